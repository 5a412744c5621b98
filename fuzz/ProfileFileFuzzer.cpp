// Any bytes as a settings or language file: reading must end, and a key
// written into whatever was there must read back as written.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzFile.h"
#include "platform/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = quobrix::fuzz::InputFileName(".ini");
  if (!quobrix::fuzz::PutFile(path, std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
  quobrix::ProfileFile file(QString::fromStdString(path));
  for (const QString& section : {"Main", "General", "MainForm"})
    for (const QString& key : file.Keys(section)) file.ReadInteger(section, key, 0);
  if (!file.WriteString("General", "Program", " written value ") || !file.Save()) return 0;
  const quobrix::ProfileFile again(QString::fromStdString(path));
  if (again.ReadString("General", "Program") != " written value ") std::abort();
  return 0;
}
