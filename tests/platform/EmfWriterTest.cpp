#include <gtest/gtest.h>

#include "platform/EmfRecords.h"
#include "platform/EmfWriter.h"

namespace quobrix {
namespace {

using test::EmfRecords;
using test::RecordsOfType;

TEST(EmfWriter, HeaderCarriesFrameCreatorAndTotals) {
  EmfWriter writer(21000, 3 * 29700, 378, u"Quobrix");
  writer.Rectangle({0, 0, 10, 10});
  const std::string emf = writer.Finish();
  const auto records = EmfRecords(emf);
  ASSERT_GE(records.size(), 3u);
  const auto& header = records.front();
  EXPECT_EQ(header.type, test::kEmrHeader);
  EXPECT_EQ(header.I32(24), 0);  // frame left, top, right, bottom
  EXPECT_EQ(header.I32(28), 0);
  EXPECT_EQ(header.I32(32), 21000);
  EXPECT_EQ(header.I32(36), 3 * 29700);
  EXPECT_EQ(header.U32(40), 0x464D4520u);
  EXPECT_EQ(header.U32(48), emf.size());
  EXPECT_EQ(header.U32(52), records.size());
  EXPECT_EQ(header.Utf16(header.U32(64), header.U32(60)), std::u16string(u"Quobrix\0\0", 9));
  // Bounds in reference pixels: 210 mm and 891 mm at 3.78 pixels per mm.
  EXPECT_EQ(header.I32(16), 793);
  EXPECT_EQ(header.I32(20), 3367);
}

TEST(EmfWriter, EndsWithTheTwentyByteEndRecord) {
  const std::string emf = EmfWriter(100, 100, 378, u"Quobrix").Finish();
  const auto records = EmfRecords(emf);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records.back().type, test::kEmrEof);
  EXPECT_EQ(records.back().bytes.size(), 20u);
  EXPECT_EQ(records.back().U32(16), 20u);
}

TEST(EmfWriter, DeletedHandlesAreReusedAndCountedInTheHeader) {
  EmfWriter writer(100, 100, 378, u"Quobrix");
  const auto a = writer.CreatePen(EmfWriter::PS_SOLID, 1, 0);
  const auto b = writer.CreateBrush(EmfWriter::BS_SOLID, 0, 0);
  writer.DeleteObject(a);
  const auto c = writer.CreateBrush(EmfWriter::BS_HATCHED, 0, 3);
  EXPECT_EQ(a, 1u);
  EXPECT_EQ(b, 2u);
  EXPECT_EQ(c, 1u);
  const auto records = EmfRecords(writer.Finish());
  EXPECT_EQ(records.front().U32(56) & 0xFFFF, 3u);  // the table holds the metafile and two objects
}

TEST(EmfWriter, PolygonRecordsItsBoundsAndEveryVertex) {
  EmfWriter writer(100, 100, 378, u"Quobrix");
  writer.Polygon({{10, 40}, {30, 5}, {50, 40}});
  const auto polygons = RecordsOfType(EmfRecords(writer.Finish()), test::kEmrPolygon);
  ASSERT_EQ(polygons.size(), 1u);
  const auto& p = polygons[0];
  EXPECT_EQ(p.I32(8), 10);
  EXPECT_EQ(p.I32(12), 5);
  EXPECT_EQ(p.I32(16), 50);
  EXPECT_EQ(p.I32(20), 40);
  ASSERT_EQ(p.U32(24), 3u);
  EXPECT_EQ(p.I32(28 + 8), 30);
  EXPECT_EQ(p.I32(28 + 12), 5);
}

TEST(EmfWriter, TextKeepsOddLengthStringsAlignedBeforeTheAdvances) {
  EmfWriter writer(100, 100, 378, u"Quobrix");
  writer.TextOut({3, 4}, EmfWriter::ETO_CLIPPED, {1, 2, 30, 40}, u"Дом", {7, 8, 9});
  const auto texts = RecordsOfType(EmfRecords(writer.Finish()), test::kEmrExtTextOutW);
  ASSERT_EQ(texts.size(), 1u);
  const auto t = test::ReadText(texts[0]);
  EXPECT_EQ(t.text, u"Дом");
  EXPECT_EQ(t.x, 3);
  EXPECT_EQ(t.y, 4);
  EXPECT_EQ(t.options, EmfWriter::ETO_CLIPPED);
  EXPECT_EQ(t.clip[2], 30);
  EXPECT_EQ(t.advances, (std::vector<std::int32_t>{7, 8, 9}));
  EXPECT_EQ(texts[0].U32(72) % 4, 0u);
}

}  // namespace
}  // namespace quobrix
