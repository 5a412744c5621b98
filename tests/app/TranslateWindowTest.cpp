#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

#include "app/TranslateWindow.h"
#include "platform/ItemTextKey.h"

namespace quobrix {

// A window with one component of every kind, designed with Russian texts.
class TTestForm : public QMainWindow {
  Q_OBJECT

 public:
  TTestForm() {
    setWindowTitle(QStringLiteral("designed title"));
    fileMenu = menuBar()->addMenu(QStringLiteral("Файл"));
    fileMenu->setObjectName(QStringLiteral("mFile"));
    mNew = Named(fileMenu->addAction(QStringLiteral("Создать")), "mNew");
    mSave = Named(fileMenu->addAction(QStringLiteral("Сохранить")), "mSave");
    runTime = fileMenu->addAction(QStringLiteral("/home/user/recent.qbs"));

    auto* toolBar = addToolBar(QStringLiteral("ToolBar1"));
    tbNew = Named(toolBar->addAction(QStringLiteral("new")), "tbNew");
    tbNew->setToolTip(QStringLiteral("Создать новую схему"));
    toolBar->addAction(mSave);  // shown in a menu as well: still a menu item
    tbOpen = Named(new QToolButton(toolBar), "tbOpen");
    tbOpen->setText(QStringLiteral("open"));
    tbOpen->setToolTip(QStringLiteral("Открыть схему"));
    toolBar->addWidget(tbOpen);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    SpeedButton1 = Add<QToolButton>(layout, "SpeedButton1");
    SpeedButton1->setText(QStringLiteral("Общие"));
    SpeedButton1->setToolTip(QStringLiteral("designed hint"));
    box = Add<QGroupBox>(layout, "gbAdd");
    box->setTitle(QStringLiteral("Добавить секцию:"));
    auto* boxLayout = new QVBoxLayout(box);
    bOK = Add<QPushButton>(boxLayout, "bOK");  // nested inside the group box
    bOK->setText(QStringLiteral("Применить"));
    label = Add<QLabel>(layout, "LabelCaption");
    label->setText(QStringLiteral("Настройки"));
    check = Add<QCheckBox>(layout, "chShowSplash");
    check->setText(QStringLiteral("Показывать заставку"));
    edit = Add<QLineEdit>(layout, "edText");
    edit->setText(QStringLiteral("typed"));
    tabs = Add<QTabWidget>(layout, "PageControl1");
    tabs->addTab(Named(new QWidget, "TabSheet1"), QStringLiteral("Основные"));
    tabs->addTab(Named(new QWidget, "TabSheet2"), QStringLiteral("Серые"));
    list = Add<QComboBox>(layout, "cbColor");
    list->addItems({QStringLiteral("Белый"), QStringLiteral("#123456")});
    list->setItemData(0, QStringLiteral("clWhite"), kItemTextKeyRole);
    setCentralWidget(central);

    auto* dock = new QDockWidget(this);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    dockLabel = Named(new QLabel(QStringLiteral("Панель")), "LabelDock");
    dock->setWidget(dockLabel);
    dock->setFloating(true);

    dialog = new QDialog(this);
    dialogButton = new QPushButton(QStringLiteral("Отмена"), dialog);
    dialogButton->setObjectName(QStringLiteral("bCancel"));
  }

  QMenu* fileMenu;
  QAction* mNew;
  QAction* mSave;
  QAction* runTime;
  QAction* tbNew;
  QToolButton* tbOpen;
  QToolButton* SpeedButton1;
  QGroupBox* box;
  QPushButton* bOK;
  QLabel* label;
  QCheckBox* check;
  QLineEdit* edit;
  QTabWidget* tabs;
  QComboBox* list;
  QLabel* dockLabel;
  QDialog* dialog;
  QPushButton* dialogButton;

 private:
  template <typename T>
  static T* Named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
  }
  template <typename T, typename Layout>
  T* Add(Layout* layout, const char* name) {
    auto* widget = Named(new T, name);
    layout->addWidget(widget);
    return widget;
  }
};

}  // namespace quobrix

using namespace quobrix;

class TranslateWindowTest : public QObject {
  Q_OBJECT

 private:
  // Translates a fresh window with the given file text (UTF-8 here).
  std::unique_ptr<TTestForm> Translated(const char* fileText) {
    const QString path = dir_.filePath(QStringLiteral("test.lng"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(fileText);
    file.close();
    auto form = std::make_unique<TTestForm>();
    TranslateWindow(path, *form);
    return form;
  }

  QTemporaryDir dir_;

 private slots:
  void sectionIsTheClassNameWithoutItsFirstLetter() {
    TTestForm form;
    QCOMPARE(LanguageSection(form), QStringLiteral("TestForm"));
  }

  void menuItemsTakeTheirCaption() {
    const auto form = Translated("[TestForm]\nmFile=File\nmNew=New\nmSave=Save\n");
    QCOMPARE(form->fileMenu->title(), QStringLiteral("File"));
    QCOMPARE(form->mNew->text(), QStringLiteral("New"));
    QCOMPARE(form->mSave->text(), QStringLiteral("Save"));
  }

  void toolBarButtonsTakeOnlyTheirHint() {
    const auto form = Translated("[TestForm]\ntbNew=Create a new chart\ntbOpen=Open a chart\n");
    QCOMPARE(form->tbNew->toolTip(), QStringLiteral("Create a new chart"));
    QCOMPARE(form->tbNew->text(), QStringLiteral("new"));
    QCOMPARE(form->tbOpen->toolTip(), QStringLiteral("Open a chart"));
    QCOMPARE(form->tbOpen->text(), QStringLiteral("open"));
  }

  void speedButtonTakesCaptionFromItsNameAndHintFromNameWithH() {
    const auto form = Translated("[TestForm]\nSpeedButton1=General\nSpeedButton1_H=General settings\n");
    QCOMPARE(form->SpeedButton1->text(), QStringLiteral("General"));
    QCOMPARE(form->SpeedButton1->toolTip(), QStringLiteral("General settings"));
  }

  void buttonsLabelsCheckBoxesAndGroupBoxesTakeTheirCaption() {
    const auto form = Translated(
        "[TestForm]\nbOK=Apply\nLabelCaption=Settings\nchShowSplash=Show the splash\ngbAdd=Add a section:\n"
        "edText=not for edits\n");
    QCOMPARE(form->bOK->text(), QStringLiteral("Apply"));
    QCOMPARE(form->label->text(), QStringLiteral("Settings"));
    QCOMPARE(form->check->text(), QStringLiteral("Show the splash"));
    QCOMPARE(form->box->title(), QStringLiteral("Add a section:"));
    QCOMPARE(form->edit->text(), QStringLiteral("typed"));
  }

  void aTabPageTakesItsTabsCaption() {
    const auto form = Translated("[TestForm]\nTabSheet2=Greys\nPageControl1=not for tab controls\n");
    QCOMPARE(form->tabs->tabText(0), QStringLiteral("Основные"));
    QCOMPARE(form->tabs->tabText(1), QStringLiteral("Greys"));
  }

  void emptyOrMissingValueKeepsTheDesignedText() {
    const auto form = Translated("[TestForm]\nmNew=\nSpeedButton1=\"\"\nSpeedButton1_H=\nbOK=  \n");
    QCOMPARE(form->mNew->text(), QString::fromUtf8("Создать"));
    QCOMPARE(form->SpeedButton1->text(), QString::fromUtf8("Общие"));
    QCOMPARE(form->SpeedButton1->toolTip(), QStringLiteral("designed hint"));
    QCOMPARE(form->bOK->text(), QString::fromUtf8("Применить"));
    QCOMPARE(form->label->text(), QString::fromUtf8("Настройки"));
  }

  void quotedValueKeepsItsBlanks() {
    const auto form = Translated("[TestForm]\nLabelCaption=\"  Settings \"\nchShowSplash='Splash '\nbOK= Apply \n");
    QCOMPARE(form->label->text(), QStringLiteral("  Settings "));
    QCOMPARE(form->check->text(), QStringLiteral("Splash "));
    QCOMPARE(form->bOK->text(), QStringLiteral("Apply"));
  }

  void onlyTheWindowsOwnComponentsAreTranslated() {
    const auto form = Translated("[TestForm]\nbCancel=Cancel\nLabelDock=Panel\n");
    QCOMPARE(form->dialogButton->text(), QString::fromUtf8("Отмена"));
    QCOMPARE(form->dockLabel->text(), QStringLiteral("Panel"));  // a floating part of this window
    QCOMPARE(form->runTime->text(), QStringLiteral("/home/user/recent.qbs"));
    QCOMPARE(form->windowTitle(), QStringLiteral("designed title"));
  }

  void sectionNameMatchesWithoutLetterCaseAndOtherSectionsAreIgnored() {
    const auto form = Translated("[MainForm]\nmNew=wrong\n[TESTFORM]\nMSAVE=Save\n");
    QCOMPARE(form->mNew->text(), QString::fromUtf8("Создать"));
    QCOMPARE(form->mSave->text(), QStringLiteral("Save"));
  }

  void listItemsAndPictureButtonsTakeTheirTexts() {
    const auto form = Translated("[TestForm]\nclWhite=White\ntbNew=Create a chart\n");
    QCOMPARE(form->list->itemText(0), QStringLiteral("White"));
    QCOMPARE(form->list->itemText(1), QStringLiteral("#123456"));  // an item without a key keeps its text
    const auto* button = qobject_cast<QToolButton*>(form->findChild<QToolBar*>()->widgetForAction(form->tbNew));
    QCOMPARE(button->accessibleName(), QStringLiteral("Create a chart"));
  }

  void missingFileChangesNothing() {
    TTestForm form;
    TranslateWindow(dir_.filePath(QStringLiteral("missing.lng")), form);
    QCOMPARE(form.mNew->text(), QString::fromUtf8("Создать"));
    QCOMPARE(form.tbNew->toolTip(), QString::fromUtf8("Создать новую схему"));
  }
};

QTEST_MAIN(TranslateWindowTest)
#include "TranslateWindowTest.moc"
