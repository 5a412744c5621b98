// Changes of the sheet and the document information made through dialogs;
// the setters record the edit's undo point at the first value that differs.
#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"

namespace quobrix {

namespace {

bool IsSheetSide(std::int64_t v) { return v >= kSmallestSheetSide && v <= kLargestSheetSide; }

bool IsMargin(std::int64_t v) { return v >= 0 && v <= kLargestSheetSide; }

}  // namespace

bool BlocksHolderModel::ChangeSheetSize(std::int64_t width, std::int64_t height) {
  return ChangePageSetup(width, height, FSheetMargins());
}

bool BlocksHolderModel::ChangePageSetup(std::int64_t width, std::int64_t height, const SheetMargins& margins) {
  if (!IsSheetSide(width) || !IsSheetSide(height)) return false;
  if (!IsMargin(margins.Left) || !IsMargin(margins.Right) || !IsMargin(margins.Top) || !IsMargin(margins.Bottom))
    return false;
  if (width == SheetWidth() && height == SheetHeight() && margins == FSheetMargins()) return true;
  ChartEdit edit(*this);
  SetSheetWidth(width);
  SetSheetHeight(height);
  SetSheetMargins(margins);
  return true;
}

void BlocksHolderModel::ChangeSheetColor(TColor color) {
  if (color == SheetColor()) return;
  ChartEdit edit(*this);
  SetSheetColor(color);
}

void BlocksHolderModel::ChangeDocumentInfo(const std::string& author, const std::string& organization,
                                           const std::string& description) {
  if (author == Author() && organization == Organization() && description == Description()) return;
  ChartEdit edit(*this);
  SetAuthor(author);
  SetOrganization(organization);
  SetDescription(description);
}

}  // namespace quobrix
