// Small pictures for the tool-bar buttons: the style's standard pictures
// where one fits the job, else a drawn glyph.
#include "app/ToolBarPictures.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <cstring>

namespace quobrix {

namespace {

QIcon Glyph(const QString& text, const QColor& color) {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  QFont font = painter.font();
  font.setPixelSize(text.size() > 1 ? 9 : 14);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(color);
  painter.drawText(picture.rect(), Qt::AlignCenter, text);
  return picture;
}

}  // namespace

QIcon ToolBarPicture(const char* name) {
  struct Standard {
    const char* name;
    QStyle::StandardPixmap pixmap;
  };
  static const Standard standard[] = {
      {"tbNew", QStyle::SP_FileIcon},
      {"tbOpen", QStyle::SP_DialogOpenButton},
      {"tbSave", QStyle::SP_DialogSaveButton},
      {"tbClose", QStyle::SP_DialogCloseButton},
      {"tbHelp", QStyle::SP_DialogHelpButton},
      {"tbExit", QStyle::SP_BrowserStop},
      {"tbSearch", QStyle::SP_FileDialogContentsView},
  };
  for (const Standard& s : standard)
    if (std::strcmp(s.name, name) == 0) return QApplication::style()->standardIcon(s.pixmap);
  struct Drawn {
    const char* name;
    const char* glyph;
  };
  static const Drawn drawn[] = {
      {"tbSaveAll", "S+"},    {"tbCloseAll", "X+"},  {"tbPreview", "Pv"},   {"tbSheetParams", "Pg"},
      {"tbPrint", "Pr"},      {"tbCut", "✂"},        {"tbCopy", "Cp"},      {"tbPaste", "Pa"},
      {"tbDelete", "✕"},      {"tbGroup", "G"},      {"tbUnGroup", "U"},    {"tbBringToFront", "▲"},
      {"tbSendToBack", "▼"},  {"tbZoomMinus", "−"},  {"tbZoomPlus", "+"},   {"tbLibrary", "L"},
      {"tbInspector", "i"},   {"tbAlignLeft", "⇤"},  {"tbAlignRight", "⇥"}, {"btAlignTop", "⤒"},
      {"tbAlignBottom", "⤓"}, {"tbSheetColor", "■"}, {"tbShemeInfo", "¶"},
  };
  for (const Drawn& d : drawn)
    if (std::strcmp(d.name, name) == 0) return Glyph(QString::fromUtf8(d.glyph), QColor(0, 0, 128));
  return {};
}

}  // namespace quobrix
