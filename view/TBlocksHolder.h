// The chart canvas: the widget that shows one chart and edits it with the
// mouse and the keyboard. It owns the chart model and turns input into the
// model's operations; it observes the model and repaints from it whenever
// the model announces a change.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "chart/BlocksHolderModel.h"
#include "render/Canvas.h"
#include "render/LineGlue.h"
#include "view/ViewCoordinates.h"

class QLabel;

namespace quobrix {

class TBlocksHolder : public QWidget {
  Q_OBJECT

 public:
  explicit TBlocksHolder(QWidget* parent = nullptr);
  ~TBlocksHolder() override;

  BlocksHolderModel& Model() { return model_; }
  const BlocksHolderModel& Model() const { return model_; }

  // ----- view state (switched by the chart window)
  TColor FBackColor = clWhite;
  bool FShowGrid = true;
  bool FUseGrid = false;
  bool FObjectSnap = true;
  bool FLineSnap = true;
  std::int64_t FLineSnapTolerance = 200;
  std::int64_t FMoveThreshold = 20;
  bool FAutoScroll = true;
  bool FMultiInsert = false;
  bool FRouteLines = false;  // a line drawn from symbol to symbol goes around those between
  QLabel* FStatusPanel = nullptr;  // receives the position texts
  // Fired on every mouse move with the (grid-snapped) window point.
  std::function<void(Qt::KeyboardModifiers, int x, int y)> OnMousePosChanged;

  // ----- coordinates and scrolling
  std::int64_t FOriginX() const { return originX_; }
  std::int64_t FOriginY() const { return originY_; }
  ViewTransform Transform() const;
  std::int64_t ChartToPixels(std::int64_t v) const { return Transform().ChartToPixels(v); }
  std::int64_t PixelsToChart(std::int64_t p) const { return Transform().PixelsToChart(p); }
  std::int64_t SetOriginX(std::int64_t x);
  std::int64_t SetOriginY(std::int64_t y);
  void ScrollBy(std::int64_t dx, std::int64_t dy);
  void PageUp();
  void PageDown();
  void GoToBlock(std::int64_t n);
  void SetSheetMargins(std::int64_t left, std::int64_t right, std::int64_t top, std::int64_t bottom);

  // ----- mouse editing
  void CanvasMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void CanvasMouseMove(Qt::MouseButtons held, Qt::KeyboardModifiers shift, int x, int y);
  void CanvasMouseUp();
  bool FPlacingFragment = false;  // a dropped fragment follows the mouse until release

  // ----- keyboard
  // Left and Right move the caret; true when the key was consumed.
  bool CaretKeyDown(int key);
  void CanvasKeyDown(int key, Qt::KeyboardModifiers shift);
  // A typed character, converted to the chart's code page; one outside it beeps.
  void CanvasKeyPress(char32_t ch);
  bool FKeyHandled = false;

  // ----- snapping
  // Moves P onto the nearest edge of the topmost symbol containing it.
  bool SnapToObject(ChartPoint& P) const;

  // Draws everything the view shows into `canvas`; with `cullInvisible`,
  // blocks whose extent misses `clip` are skipped.
  void Paint(Canvas& canvas, const QRect& clip, bool cullInvisible = true) const;

  // What a drag is doing, for tests and the status line.
  const std::vector<BlocksHolderModel::AttachedLine>& FAttachedLines() const { return model_.FAttachedLines(); }
  int FResizeCorner() const { return resizeCorner_; }
  const TRect& FRubberRect() const { return rubberRect_; }
  const TRect& FDrawRect() const { return drawRect_; }
  // The symbol the line end being drawn or dragged sticks to, shown highlighted.
  const std::optional<GlueTarget>& Glue() const { return glue_; }

  void DoActiveBlockChanged();
  void DoMousePosChanged(Qt::KeyboardModifiers shift, int x, int y);
  void DoDebug(const std::string& msg) const { model_.DoDebug(msg); }

 signals:
  // The scroll origin moved, by whatever scrolled: rulers and scroll bars follow.
  void OriginChanged();
  // Escape put the armed drawing tool down.
  void DrawingDisarmed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  BlocksHolderModel model_;
  ChartSubscription modelSubscription_;
  std::int64_t originX_ = 0;
  std::int64_t originY_ = 0;

  ChartPoint lastMouse_;
  int resizeCorner_ = 0;
  TRect rubberRect_;
  EditKey typingKey_;
  const TBlock* typingBlock_ = nullptr;
  TRect drawRect_;
  ChartPoint drawStart_;
  ChartPoint drawEnd_;
  bool rubberRepainted_ = false;
  std::optional<GlueTarget> glue_;
  std::int64_t drawStartSymbol_ = 0;  // the symbol the line drawn starts on
  bool glueOff_ = false;  // Alt held: line ends stick to nothing

  ChartPoint ChartPointOf(std::int64_t x, std::int64_t y) const;
  WindowPoint WindowPointOf(ChartPoint p) const;
  void SetStatusText(const QString& text) const;

  int HitCornerMark(ChartPoint p) const;
  void ApplyDragStep(const TBlock& a, ChartPoint& p, std::int64_t dX, std::int64_t dY, Qt::KeyboardModifiers shift);
  void MoveBlock(const TBlock& a, std::int64_t dX, std::int64_t dY);
  void PullFragmentUnderMouse(const TBlock& a, std::int64_t& dX, std::int64_t& dY) const;
  void DrawRubberBand(int x, int y);
  void DrawRubberLine(int x, int y, bool isLine);
  // The glue for a line end at `p` within 8 pixels, the line `except` aside.
  std::optional<GlueTarget> GlueAt(ChartPoint p, const TBlock* except) const;
  bool GlueLineEnd(const TBlock& line, ChartPoint& p, std::int64_t& dX, std::int64_t& dY);
  void FinishDrawingByHand();
  // Adds the line drawn as a route between the symbols its ends stick to
  // (the end to `glue`), when routing is on; false when it added nothing.
  bool RouteDrawnLine(const std::optional<GlueTarget>& glue);
  void SelectInRubberBand();

  bool EditTextKey(int key);
  // The key the keystrokes of one stretch of typing share.
  EditKey TypingKey();
  void PaintRubberShapes(Canvas& canvas) const;
  void PaintGlue(Canvas& canvas) const;
  std::vector<TPoint> SelectionMarks(const TBlock& active) const;
};

}  // namespace quobrix
