// Where a window goes when its placement comes from the settings file. The
// file may come from another monitor layout or have been edited by hand (a
// place beyond every screen, a width of 2147483647): the window must come
// back where the user can reach it, at a size that can be drawn, before any
// widget takes the values.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <optional>

namespace quobrix {

class ProfileFile;

// Where a window whose frame is `frame` goes: unchanged while a piece of its
// top edge wide enough to grab lies on one of `screens` (their work areas);
// otherwise moved, and shrunk where it is larger, onto the screen that shows
// most of it, or the nearest one when none shows any of it.
QRect ReachableFrame(const QRect& frame, const QList<QRect>& screens);

// A placement as the settings file gives it: any number a key can hold.
struct StoredPlacement {
  qint64 Left = 0;
  qint64 Top = 0;
  qint64 Width = 0;
  qint64 Height = 0;
};

// The frame a window takes from a stored placement: each side at least
// `smallest` (where a screen is that large) and at most the largest screen's,
// then placed as ReachableFrame places it.
QRect FrameOnScreens(const StoredPlacement& stored, QSize smallest, const QList<QRect>& screens);

// The work areas of the screens there are.
QList<QRect> ScreenWorkAreas();

// Reads keys <name>X and <name>Y of section "WinPos" and, for a window the
// user sizes (`smallest` given), <name>W and <name>H; a missing key keeps
// the value of `current`. The result is brought onto the screens there are.
QRect ReadWindowPlacement(const ProfileFile& settings, const QString& name, const QRect& current,
                          std::optional<QSize> smallest = std::nullopt);

}  // namespace quobrix
