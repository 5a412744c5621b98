// The commands the main window's menu bar and the chart windows' menu bars
// both carry, so each caption and shortcut is written once.
#include <QString>
#include <algorithm>
#include <iterator>

#include "view/MenuBuilder.h"

namespace quobrix {

namespace {

QKeySequence Ctrl(Qt::Key key) { return QKeySequence(Qt::CTRL | key); }

// A name the table lacks is a programming slip: it shows as its own caption.
MenuSpec Catalogue(const char* name) {
  static const MenuSpec commands[] = {
      {"mNew", "Создать", Ctrl(Qt::Key_N)},
      {"mNewFromTemplate", "Создать из шаблона"},
      {"mOpen", "Открыть", Ctrl(Qt::Key_O)},
      {"mSave", "Сохранить", Ctrl(Qt::Key_S)},
      {"mSaveAs", "Сохранить как..."},
      {"mSaveAll", "Сохранить все"},
      {"mClose", "Закрыть", Ctrl(Qt::Key_F4)},
      {"mCloseAll", "Закрыть все"},
      {"mPreview", "Предпросмотр"},
      {"mSheetProp", "Параметры страницы"},
      {"mSheetProp2", "Задать размеры"},
      {"mPrint", "Печать...", Ctrl(Qt::Key_P)},
      {"mSettings", "Настройки"},
      {"mExit", "Выход", QKeySequence(Qt::ALT | Qt::Key_F4)},
      {"mUndo", "Отменить"},
      {"mCut", "Вырезать"},
      {"mCopy", "Копировать"},
      {"mPaste", "Вставить"},
      {"mDelete", "Удалить"},
      {"mSearch", "Искать..."},
      {"mGroup", "Группировать"},
      {"mUngroup", "Разгруппировать"},
      {"mBringToFront", "Поместить выше всех"},
      {"mSendToBack", "Поместить ниже всех"},
      {"mShemeInfo", "Описание схемы"},
      {"mRulers", "Линейки"},
      {"mStatus", "Строка статуса"},
      {"mColor", "Строка выбора цвета"},
      {"mInspector", "Редактор свойств", QKeySequence(Qt::Key_F11)},
      {"mLibrary", "Библиотека символов", QKeySequence(Qt::ALT | Qt::Key_F11)},
      {"mUserLib", "Библиотека пользователя", QKeySequence(Qt::SHIFT | Qt::Key_F11)},
      {"mColorForm", "Палитра", Ctrl(Qt::Key_F11)},
      {"mPosGrid", "Использовать сетку"},
      {"mShowGrid", "Показывать сетку"},
      {"mWizard1", "Мастер линейных блок-схем"},
      {"mWizard2", "Мастер блок-схем с условием"},
      {"mWizard3", "Мастер блок-схем с циклом \"ДЛЯ\" (FOR)"},
      {"mShowHelp", "Вызов справки", QKeySequence(Qt::Key_F1)},
      {"mVisitWeb", "Посетить веб-страницу"},
      {"mAbout", "О программе ..."},
  };
  const auto found = std::find_if(std::begin(commands), std::end(commands),
                                  [name](const MenuSpec& c) { return QLatin1String(c.name) == QLatin1String(name); });
  Q_ASSERT_X(found != std::end(commands), "Catalogue", name);
  return found != std::end(commands) ? *found : MenuSpec{name, name};
}

}  // namespace

MenuSpec Item(const char* name, bool checkable) {
  MenuSpec item = Catalogue(name);
  item.checkable = checkable;
  return item;
}

MenuSpec Menu(const char* name, const char* caption, std::vector<MenuSpec> items, bool hidden) {
  MenuSpec menu{name, caption};
  menu.hidden = hidden;
  menu.items = std::move(items);
  return menu;
}

}  // namespace quobrix
