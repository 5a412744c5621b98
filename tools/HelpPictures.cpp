#include "tools/HelpPictures.h"

#include <QImageReader>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextList>
#include <algorithm>
#include <vector>

namespace quobrix {

namespace {

struct Picture {
  int position;
  QTextImageFormat format;
  qreal room;
};

// The width a picture in `block` can take: the page less its margins and
// the block's indentation, a list's included.
qreal RoomIn(const QTextBlock& block, qreal pageWidth) {
  const QTextDocument& document = *block.document();
  qreal indent = block.blockFormat().leftMargin() + block.blockFormat().rightMargin() +
                 block.blockFormat().indent() * document.indentWidth();
  if (const QTextList* list = block.textList()) indent += list->format().indent() * document.indentWidth();
  return pageWidth - 2 * document.documentMargin() - indent;
}

std::vector<Picture> PicturesOf(const QTextDocument& document, qreal pageWidth) {
  std::vector<Picture> pictures;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextImageFormat format = fragment.charFormat().toImageFormat();
      if (format.isValid()) pictures.push_back({fragment.position(), format, RoomIn(block, pageWidth)});
    }
  return pictures;
}

}  // namespace

void FitPictures(QTextBrowser& browser) {
  QTextDocument& document = *browser.document();
  // Less a scroll bar's width whether the page shows one or not: pictures
  // sized after the bar come and go would make it come and go again.
  const qreal pageWidth = browser.contentsRect().width() - browser.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  for (Picture& picture : PicturesOf(document, pageWidth)) {
    const QSize natural = QImageReader(browser.source().resolved(QUrl(picture.format.name())).toLocalFile()).size();
    if (natural.isEmpty()) continue;
    const qreal width = std::clamp(picture.room, 1.0, qreal(natural.width()));
    picture.format.setWidth(width);
    picture.format.setHeight(natural.height() * width / natural.width());
    QTextCursor cursor(&document);
    cursor.setPosition(picture.position);
    cursor.setPosition(picture.position + 1, QTextCursor::KeepAnchor);
    cursor.setCharFormat(picture.format);
  }
}

}  // namespace quobrix
