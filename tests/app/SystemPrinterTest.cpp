// Printing to a printer of the system: the test starts a CUPS scheduler of
// its own with Debian's virtual PDF printer, prints through the print dialog
// as a user would, and reads back what the printer made.
#include <pwd.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

#include "platform/LanguageTable.h"
#include "support/ChartPrintingFixture.h"
#include "support/PageInk.h"

using namespace quobrix;
using test::Find;
using test::Printing;
using test::Run;

namespace {

const QString kPrinter = QStringLiteral("QuobrixPDF");
const QString kDriver = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString kBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
constexpr int kJobTimeoutMs = 60000;

bool Have(const char* program) {
  return !QStandardPaths::findExecutable(QString::fromLatin1(program),
                                         {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")})
              .isEmpty();
}

bool Succeeds(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Where the virtual printer puts the user's printouts: the "Out" folder of
// its system configuration, "${HOME}/PDF" unless changed.
QString PrinterOutFolder() {
  QString out = QStringLiteral("${HOME}/PDF");
  QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
  if (conf.open(QIODevice::ReadOnly))
    for (const QByteArray& line : conf.readAll().split('\n'))
      if (line.startsWith("Out ")) out = QString::fromUtf8(line.mid(4).trimmed());
  const passwd* user = getpwuid(getuid());
  return out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir))
      .replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
}

// A scheduler in a folder of its own, reached through a socket there, which
// every CUPS client of this process uses.
class Scheduler {
 public:
  bool Start() {
    const QString root = QString::fromStdString(dir_.Path().string());
    for (const char* sub : {"etc", "spool/tmp", "cache", "run", "log"}) QDir(root).mkpath(QString::fromLatin1(sub));
    // The filters run as an unprivileged user and read the spool.
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                    QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    socket_ = root + QStringLiteral("/run/cups.sock");
    test::WriteBytes(root.toStdString() + "/etc/cupsd.conf",
                     "Listen " + socket_.toStdString() +
                         "\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                         "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                         "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
    const std::string r = root.toStdString();
    test::WriteBytes(r + "/etc/cups-files.conf", "ServerRoot " + r + "/etc\nRequestRoot " + r + "/spool\nTempDir " + r +
                                                     "/spool/tmp\nCacheDir " + r + "/cache\nStateDir " + r +
                                                     "/run\nPrintcap " + r + "/run/printcap\nAccessLog " + r +
                                                     "/log/access_log\nErrorLog " + r + "/log/error_log\nPageLog " + r +
                                                     "/log/page_log\nSystemGroup root\n");
    qputenv("CUPS_SERVER", socket_.toLocal8Bit());
    cupsd_.start(QStringLiteral("cupsd"), {QStringLiteral("-f"), QStringLiteral("-c"), root + "/etc/cupsd.conf",
                                           QStringLiteral("-s"), root + "/etc/cups-files.conf"});
    return cupsd_.waitForStarted() &&
           QTest::qWaitFor([this] { return Succeeds(QStringLiteral("lpstat"), {QStringLiteral("-r")}); }, 10000);
  }
  // A scheduler that answers may still be reading its drivers: lpadmin is
  // asked again until it takes the printer.
  bool AddPrinter(const QString& name, const QString& device) {
    return QTest::qWaitFor(
        [&] { return Succeeds(QStringLiteral("lpadmin"), {"-p", name, "-E", "-v", device, "-P", kDriver}); }, 20000);
  }
  bool Idle() const { return Run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty(); }
  ~Scheduler() {
    cupsd_.terminate();
    cupsd_.waitForFinished();
  }

 private:
  test::TempDir dir_;
  QString socket_;
  QProcess cupsd_;
};

}  // namespace

class SystemPrinterTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (getuid() != 0) QSKIP("the virtual PDF printer runs only under a scheduler started as root");
    if (!Have("cupsd") || !Have("lpadmin") || !QFileInfo::exists(kBackend) || !Have("pdftoppm"))
      QSKIP("cups, printer-driver-cups-pdf or poppler-utils are not installed");
    QVERIFY(scheduler_.Start());
    QVERIFY(scheduler_.AddPrinter(kPrinter, QStringLiteral("cups-pdf:/")));
  }

  void theDialogListsTheSystemsPrinterAndPrintsEveryPageToIt() {
    Printing p;
    // A title of this run only: the printout is found by it among the user's.
    const QString title = QStringLiteral("cupsjob%1").arg(QCoreApplication::applicationPid());
    p.Chart().SetFileName(title.toStdString() + ".qbs");
    QStringList listed;
    p.PrintThroughDialog([&](QWidget& dialog) {
      auto& printers = Find<QComboBox>(dialog, "printers");
      for (int i = 0; i < printers.count(); ++i) listed.append(printers.itemText(i));
      printers.setCurrentIndex(printers.findText(kPrinter));
    });
    QVERIFY2(listed.contains(kPrinter), qPrintable(listed.join(", ")));

    QString pdf;
    const QDir out(PrinterOutFolder());
    QVERIFY(QTest::qWaitFor(
        [&] {
          const QStringList made = out.entryList({title + QStringLiteral("*.pdf")}, QDir::Files);
          if (made.isEmpty() || !scheduler_.Idle()) return false;
          pdf = out.filePath(made.first());
          return true;
        },
        kJobTimeoutMs));
    const auto removeOutput = qScopeGuard([&] { QFile::remove(pdf); });
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +3\n"))), qPrintable(info));
    QVERIFY2(info.contains(title), qPrintable(info));

    // Each page shows its block's label; the outline of the block, 20 mm
    // from the left, is as heavy as a screen pixel (0.26 mm), not a
    // printer's hairline. The printer's fonts keep no text to extract, so
    // the label is found as ink.
    constexpr double kPixelsPerMm = 600 / 25.4;
    const QRectF read(10, 20, 90, 25), label(30, 22, 60, 16), side(12, 25, 14, 10);
    test::TempDir pictures;
    for (int n = 1; n <= 3; ++n) {
      const QString page = QString::fromStdString(pictures.File("page" + std::to_string(n)));
      const QRect area((read.topLeft() * kPixelsPerMm).toPoint(), (read.size() * kPixelsPerMm).toSize());
      QVERIFY(Succeeds(QStringLiteral("pdftoppm"),
                       {"-gray", "-singlefile", "-r", "600", "-f", QString::number(n), "-l", QString::number(n), "-x",
                        QString::number(area.x()), "-y", QString::number(area.y()), "-W", QString::number(area.width()),
                        "-H", QString::number(area.height()), pdf, page}));
      const test::PagePicture picture{QImage(page + QStringLiteral(".pgm")), kPixelsPerMm, read.topLeft()};
      QVERIFY(!picture.image.isNull());
      QVERIFY2(test::Ink(picture, label) > 1, qPrintable(QString::number(n)));
      const double width = test::Ink(picture, side) / side.height();
      QVERIFY2(width > 0.2 && width < 0.6, qPrintable(QString::number(width) + QStringLiteral(" mm")));
    }
  }

  // A printer that goes away or is stopped while the dialog is open: the
  // toolkit would hand it the printout without a word when it fails.
  void aPrinterThatHasGoneOrStoppedIsSaidSo_data() {
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QString>("command");
    QTest::newRow("gone") << QStringLiteral("QuobrixGone") << QStringLiteral("lpadmin -x QuobrixGone");
    QTest::newRow("stopped") << QStringLiteral("QuobrixStopped") << QStringLiteral("cupsdisable QuobrixStopped");
  }

  void aPrinterThatHasGoneOrStoppedIsSaidSo() {
    QFETCH(QString, printer);
    QFETCH(QString, command);
    QVERIFY(scheduler_.AddPrinter(printer, QStringLiteral("cups-pdf:/")));
    Printing p;
    QStringList said;
    test::ModalAnswer answer([&](QWidget& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        said.append(box->text());
        box->accept();
        return;
      }
      auto& printers = Find<QComboBox>(dialog, "printers");
      printers.setCurrentIndex(printers.findText(printer));
      const QStringList words = command.split(u' ');
      QVERIFY(Succeeds(words.first(), words.mid(1)));
      QMetaObject::invokeMethod(&dialog, "accept");
    });
    p.w.host.table.Action(CommandId::Print).trigger();
    QCOMPARE(said, QStringList{LanguageText(TextKey::PRINT_ERROR_MSG)});
  }

 private:
  Scheduler scheduler_;
};

QTEST_MAIN(SystemPrinterTest)
#include "SystemPrinterTest.moc"
