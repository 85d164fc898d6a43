#pragma once
// The score of a cruise, as the results screen lists it. Pure arithmetic over
// the records, so the rules can be checked without drawing anything.
#include <cstdint>
#include <string>
#include <vector>

#include "common/game.h"

namespace vel {

enum class ScoreRowKind {
    Failure,  // a reason the cruise scores nothing; text only
    Item,     // a label and an amount that counts toward the total
    Blank,    // one empty line step
    Total,    // the total, shown in colour
    Best,     // the high score
};

struct ScoreRow {
    ScoreRowKind kind = ScoreRowKind::Item;
    std::string label;
    int32_t amount = 0;
    bool operator==(const ScoreRow&) const = default;
};

struct ScoreSheet {
    std::vector<ScoreRow> rows;  // in screen order, one line each
    bool failed = false;         // true: the list ends with the zero-score line
    int32_t total = 0;           // never below 0
    int32_t passageBonus = 0;    // 0, 500 or 550
};

// 500 (550 on a moonless passage) when a passage begun at one of its
// departure anchorages has reached its far side; otherwise 0.
int32_t PassageBonus(const Game& g);

// Every line of the results list. The high-score row shows the better of
// the stored high score and this total; storing it is RecordHighScore's job.
ScoreSheet ScoreCruise(const Game& g);

// Raises the stored high score to the sheet's total when that is better.
void RecordHighScore(Score& score, const ScoreSheet& sheet);

}  // namespace vel
