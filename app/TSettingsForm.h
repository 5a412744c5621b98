// The settings dialog: the options on two pages and the interface language.
// It is made once with the main window and kept; every opening shows the
// options as they are, and applying sets them at once in every window.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "view/ProgramSettings.h"

class QAction;
class QBoxLayout;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace quobrix {

class TSettingsForm : public QDialog {
  Q_OBJECT

 public:
  // `menuItem` opens the dialog and gives it its title. `useLanguage` makes
  // the named language the interface language: it reads the language file
  // and translates the windows.
  TSettingsForm(QWidget& owner, ProgramSettings& settings, const QAction& menuItem,
                std::function<void(const QString&)> useLanguage);

  // Translates the dialog, shows the options as they are and, when the user
  // applies, takes the new ones.
  void Execute();
  void bOKClick();
  // Writes the chosen language into the settings file at once and makes it
  // the interface language.
  void cbLanguageChange();

  QLabel* LabelCaption;
  QToolButton* SpeedButton1;
  QToolButton* SpeedButton2;
  QToolButton* SpeedButton3;
  QStackedWidget* Pages;
  QWidget* pGeneral;
  QWidget* pExpert;
  QWidget* pLines;
  QLabel* LabelLanguage;
  QComboBox* cbLanguage;
  QPushButton* bOK;
  QPushButton* bCancel;

 private:
  ProgramSettings& settings_;
  // A control that shows one option: preset from the options at every
  // opening, taken back when the dialog is applied.
  struct OptionControl {
    std::function<void(const ProgramOptions&)> preset;
    std::function<void(ProgramOptions&)> take;
  };
  void AddCheckBox(QBoxLayout& page, const char* name, const char* caption, bool ProgramOptions::*option,
                   bool shown = true);
  // A number of seconds in a spin box, captioned by a label beside it.
  void AddSecondsBox(QBoxLayout& page, const char* labelName, const char* caption, const char* name,
                     int ProgramOptions::*option);
  QToolButton* AddPageButton(QBoxLayout& column, const char* name, const char* caption, QWidget& page);
  void BuildGeneralPage();
  void BuildExpertPage();
  void BuildLinesPage();
  void PresetLanguage(const QString& language);

  std::function<void(const QString&)> useLanguage_;
  int presetLanguageIndex_ = -1;
  std::vector<OptionControl> controls_;
};

}  // namespace quobrix
