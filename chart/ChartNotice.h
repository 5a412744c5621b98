// What observers of a chart hear. A notice names the kind of change; the
// observer reads the new state from the model. Every change to a chart is
// announced once it is complete, each piece of news once, on one list that
// any number of observers join (BlocksHolderModel::Subscribe) and leave by
// dropping their subscription.
#pragma once

#include <sigc++/connection.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quobrix {

enum class ChartChange : std::uint8_t {
  Blocks,       // fields of existing blocks: place, size, look, text
  Structure,    // which blocks exist, their order or containers; see Structure
  ActiveBlock,  // OnActiveBlockChanged: NewActiveBlock is what is selected now
  Modified,     // the unsaved-changes flag switched; see Modified
  View,         // what the chart looks like as a whole; see View
  Document,     // the file name or the document information (author, description, organization)
  History,      // undo or redo points were recorded, used or dropped
  Debug,        // OnDebug: Message, sent only while FDebugMessages is on
};

enum class StructureChange : std::uint8_t { None, Added, Deleted, Reordered, Grouped, Loaded, Undone, Redone };

// Zoom is OnZoomChanged. Selection: the active block number was assigned
// without OnActiveBlockChanged, which only the selecting operations send.
enum class ViewChange : std::uint8_t { None, Zoom, Sheet, Selection };

struct ChartNotice {
  ChartChange Kind = ChartChange::Blocks;
  StructureChange Structure = StructureChange::None;
  ViewChange View = ViewChange::None;
  std::int64_t NewActiveBlock = 0;
  // Blocks: the numbers of the blocks whose fields changed, as the list
  // numbered them when the change was made. A Structure notice naming blocks
  // (an undo or redo of values only) says the list kept its order and
  // membership and only these blocks changed.
  std::vector<std::int64_t> ChangedBlocks;
  bool Modified = false;
  std::string Message;  // UTF-8

  bool operator==(const ChartNotice&) const = default;
};

// An observer's place on a chart's notice list; leaving it (destroying or
// overwriting the subscription) takes the observer off, so a destroyed
// observer is never called. Outliving the chart is harmless.
class ChartSubscription {
 public:
  ChartSubscription() = default;
  explicit ChartSubscription(sigc::connection connection) : connection_(std::move(connection)) {}
  ChartSubscription(ChartSubscription&& other) noexcept : connection_(std::exchange(other.connection_, {})) {}
  ChartSubscription& operator=(ChartSubscription&& other) noexcept {
    if (this != &other) {
      connection_.disconnect();
      connection_ = std::exchange(other.connection_, {});
    }
    return *this;
  }
  ChartSubscription(const ChartSubscription&) = delete;
  ChartSubscription& operator=(const ChartSubscription&) = delete;
  ~ChartSubscription() { connection_.disconnect(); }

  bool Connected() const { return connection_.connected(); }

 private:
  sigc::connection connection_;
};

}  // namespace quobrix
