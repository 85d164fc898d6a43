#pragma once
// A land/water raster of one area in area units: shorelines drawn as walls,
// the sea flooded from a point known to be open water, and what the flood
// cannot reach is land. Works whatever the shoreline pieces' direction and
// wherever the data set cut them, which polygon filling could not.
#include <cstdint>
#include <vector>

#include "geodata/shoreline.h"

namespace vel::geodata {

struct Cell {
    int32_t i, j;  // column (x) and row (y)
};

class LandRaster {
public:
    // Covers x0..x1, y0..y1 in cells of `cell` area units.
    LandRaster(double x0, double y0, double x1, double y1, double cell);

    void DrawWalls(const std::vector<Shoreline>& lines);
    // Floods the sea from `seed`; throws when the seed lies on land.
    void FloodSea(AreaPoint seed);
    // Numbers the land components (4-connected); 0 is water.
    void LabelLand();

    bool Land(int32_t i, int32_t j) const;
    bool LandAt(double x, double y) const;
    int32_t Label(int32_t i, int32_t j) const { return label_[Index(i, j)]; }
    int32_t LabelAt(double x, double y) const;
    int32_t LabelCount() const { return labels_; }
    // Cells of each component, indexed by label.
    std::vector<std::vector<Cell>> Components() const;

    int32_t width() const { return w_; }
    int32_t height() const { return h_; }
    double cell() const { return cell_; }
    AreaPoint Centre(Cell c) const { return {x0_ + (c.i + 0.5) * cell_, y0_ + (c.j + 0.5) * cell_}; }
    bool Inside(int32_t i, int32_t j) const { return i >= 0 && j >= 0 && i < w_ && j < h_; }
    int32_t Column(double x) const;
    int32_t Row(double y) const;

private:
    std::size_t Index(int32_t i, int32_t j) const { return static_cast<std::size_t>(j) * w_ + i; }
    void Wall(AreaPoint a, AreaPoint b);

    double x0_, y0_, cell_;
    int32_t w_, h_;
    std::vector<uint8_t> state_;  // 0 unknown (land), 1 wall, 2 sea
    std::vector<int32_t> label_;
    int32_t labels_ = 0;
};

}  // namespace vel::geodata
