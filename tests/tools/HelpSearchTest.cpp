// The help search reads pages as the reader sees them: words in tags and
// attributes are not found, entities are, and every word typed must be there.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "tools/HelpSearch.h"

using namespace quobrix;

namespace {

void Write(const QString& path, const QByteArray& html) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(html);
}

QStringList Titles(const std::vector<FoundPage>& pages) {
  QStringList titles;
  for (const FoundPage& page : pages) titles.append(page.title);
  return titles;
}

}  // namespace

class HelpSearchTest : public QObject {
  Q_OBJECT

 private slots:
  void aPageIsFoundByWhatItShows_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("a word, any case") << "LINIEN" << QStringList{"Erste Seite", "zweite"};
    QTest::newRow("every word is needed") << "Linien Pfeile" << QStringList{"Erste Seite"};
    QTest::newRow("an entity as shown") << "Grüne" << QStringList{"Erste Seite"};
    QTest::newRow("punctuation between words") << "  linien, &  pfeile! " << QStringList{"Erste Seite"};
    QTest::newRow("a class name") << "shot" << QStringList{};
    QTest::newRow("an attribute") << "href" << QStringList{};
    QTest::newRow("the title tag's text") << "Kopf" << QStringList{};
    QTest::newRow("no words at all") << " ,;- " << QStringList{};
  }
  void aPageIsFoundByWhatItShows() {
    QFETCH(QString, text);
    QFETCH(QStringList, titles);
    QTemporaryDir help;
    QTemporaryDir lessons;
    Write(help.filePath("b.html"),
          "<html><head><title>Kopf</title></head><body><h1>Erste <i>Seite</i></h1>"
          "<p class=\"shot\"><a href=\"a.html\">Linien</a> und Pfeile, Gr&uuml;ne</p></body></html>");
    Write(help.filePath("a.txt"), "Linien");
    Write(lessons.filePath("zweite.html"), "<p>Linien</p>");
    QCOMPARE(Titles(FindHelpPages({help.path(), lessons.path()}, text)), titles);
  }
};

QTEST_MAIN(HelpSearchTest)
#include "HelpSearchTest.moc"
