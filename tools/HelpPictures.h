// The help's pictures are screenshots of whole windows, often wider than the
// help window: each one wider than the room its paragraph leaves shrinks to
// that width, keeping its shape, and grows back when the room does.
#pragma once

class QTextBrowser;

namespace quobrix {

// Sizes the pictures of the page shown for the browser's current width.
void FitPictures(QTextBrowser& browser);

}  // namespace quobrix
