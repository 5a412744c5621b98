// Drawing pictures needs the toolkit's application object (fonts, image
// formats) but no display. This creates one on the offscreen platform for
// as long as it lives, unless the program already has one, and keeps the
// toolkit's warnings off standard error meanwhile.
#pragma once

#include <QGuiApplication>
#include <memory>

namespace quobrix {

class HeadlessGui {
 public:
  HeadlessGui();
  ~HeadlessGui();
  HeadlessGui(const HeadlessGui&) = delete;
  HeadlessGui& operator=(const HeadlessGui&) = delete;

 private:
  std::unique_ptr<QGuiApplication> app_;
  QtMessageHandler previousHandler_ = nullptr;
};

}  // namespace quobrix
