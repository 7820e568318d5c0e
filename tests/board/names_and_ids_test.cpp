#include <gtest/gtest.h>

#include <limits>

#include "engine/board/board_geometry.h"
#include "engine/board/location_ids.h"
#include "engine/board/tile_type.h"

namespace {

TEST(TileNames, NamesAndCapitals) {
  EXPECT_EQ(TileName(TileType::Timber), "Timber");
  EXPECT_EQ(TileName(TileType::ThreeForOnePort), "3 for 1 Port");
  EXPECT_EQ(TileName(TileType::ThreeForOnePort, true), "3 FOR 1 PORT");
  EXPECT_EQ(TileName(TileType::SheepPort, true), "SHEEP PORT");
  EXPECT_EQ(ResourceName(ResourceType::Ore), "Ore");
  EXPECT_EQ(TileName(13), "");
  EXPECT_EQ(TileName(-1, true), "");
  EXPECT_EQ(TileName(-2000000000), "");
  EXPECT_EQ(HarbourOf(ResourceType::Clay), TileType::ClayPort);
}

TEST(LocationIds, RoadPickTurnsWithThePiece) {
  EXPECT_EQ(LogicalSideOfDrawnSide(0, 0.0), 1);
  EXPECT_EQ(LogicalSideOfDrawnSide(2, -120.0), 3);
  // Wedge w lies against unturned side (7 - w) mod 6, turned with the piece.
  for (int rotation = -120; rotation <= 300; rotation += 60) {
    for (int w = 0; w < 6; ++w) {
      EXPECT_EQ(LogicalSideOfDrawnSide(w, rotation), Wrap6(7 - w + rotation / 60));
    }
  }
  EXPECT_EQ(EdgeIdFromRoadPick(123, 180.0), 12 * 10 + Wrap6(1 - 3 + 3));
  const int side = LogicalSideOfDrawnSide(4, std::numeric_limits<double>::quiet_NaN());
  EXPECT_TRUE(side >= 0 && side < 6);
}

TEST(LocationIds, CodesRoundTrip) {
  const CitySite site{0, 1, 6, 0};
  EXPECT_EQ(CitySiteCodeOf(0, 0), MakeCitySiteCode(site));
  EXPECT_EQ(MakeCitySiteCode(site), 1060);
  EXPECT_EQ(DecodeCitySiteCode(MakeCitySiteCode({29, 14, 13, 5})), (CitySite{29, 14, 13, 5}));
}

}  // namespace
