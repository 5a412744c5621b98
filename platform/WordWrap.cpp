#include "platform/WordWrap.h"

namespace quobrix {

namespace {

std::vector<std::string> Paragraphs(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t brk = text.find_first_of("\r\n", start);
    out.push_back(text.substr(start, brk == std::string::npos ? std::string::npos : brk - start));
    if (brk == std::string::npos) return out;
    start = brk + (text.compare(brk, 2, "\r\n") == 0 ? 2 : 1);
  }
}

std::string TrimTrailingSpaces(std::string s) {
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

void WrapParagraph(const std::string& paragraph, int width, const std::function<int(const std::string&)>& measure,
                   std::vector<std::string>& lines) {
  std::string line;
  std::size_t pos = 0;
  while (pos < paragraph.size()) {
    // A word with the spaces that follow it.
    const std::size_t wordEnd = std::min(paragraph.find(' ', pos), paragraph.size());
    const std::size_t next = std::min(paragraph.find_first_not_of(' ', wordEnd), paragraph.size());
    const std::string word = paragraph.substr(pos, wordEnd - pos);
    if (!line.empty() && measure(line + word) > width) {
      lines.push_back(TrimTrailingSpaces(line));
      line.clear();
    }
    line += paragraph.substr(pos, next - pos);
    pos = next;
  }
  lines.push_back(TrimTrailingSpaces(line));
}

}  // namespace

std::vector<std::string> WrapWords(const std::string& text, int width,
                                   const std::function<int(const std::string&)>& measure) {
  std::vector<std::string> lines;
  for (const std::string& paragraph : Paragraphs(text)) WrapParagraph(paragraph, width, measure, lines);
  return lines;
}

}  // namespace quobrix
