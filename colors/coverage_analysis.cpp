#include "colors/coverage_analysis.h"

#include <cstdio>

#include "colors/color_data_entry.h"
#include "colors/color_naming.h"

namespace {

constexpr int totalCombinations = 255 * 255 * 255;  // the report's own measure of the color space
constexpr int combinationsPerEntry = 729;            // a 9 x 9 x 9 tolerance box
constexpr float percentPerEntry = 0.0043964991346001625f;

const ColorDataEntry &EntryAt(const Orvak::DataBaseEngine::DataTable &table, std::uint32_t index) {
    return *static_cast<const ColorDataEntry *>(table.GetRecord(index));
}

void ShowOverlap(const ColorDataEntry &a, const ColorDataEntry &b, MessagePresenter &presenter) {
    char text[1024];
    std::snprintf(text, sizeof text, "A  =  RGB (%d, %d, %d)  =  %s\nB  =  RGB (%d, %d, %d)  =  %s\n",
                  Red(a.color), Green(a.color), Blue(a.color), a.name.c_str(), Red(b.color), Green(b.color),
                  Blue(b.color), b.name.c_str());
    presenter.Show(text, "Overlap Found!");
}

void ShowSummary(std::uint32_t count, int overlaps, MessagePresenter &presenter) {
    const int covered = static_cast<int>(count * combinationsPerEntry);
    const float coveredPercent =
        static_cast<float>(static_cast<double>(count) * combinationsPerEntry * (1.0 / totalCombinations) * 100.0);
    char text[1024];
    std::snprintf(text, sizeof text,
                  "Total number of entries in color table:  %d\n\n"
                  "Color tolerance radius:  %d\n"
                  "Number of overlaps found:  %d\n\n"
                  "Total color spectrum combinations ( 255 * 255 * 255 ):  %d\n"
                  "Color spectrum combinations covered:  %d  ( %f%% )\n"
                  "Combinations covered per color entry: %d  ( %f%% )\n",
                  static_cast<int>(count), ColorToleranceRadius, overlaps, totalCombinations, covered,
                  static_cast<double>(coveredPercent), combinationsPerEntry, static_cast<double>(percentPerEntry));
    presenter.Show(text, "TTintwickDlg::AnalyzeColorNamesDistribution");
}

}  // namespace

void AnalyzeColorNamesDistribution(const Orvak::DataBaseEngine::DataTable &table, MessagePresenter &presenter) {
    const std::uint32_t count = table.GetCount();
    int overlaps = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const ColorDataEntry &a = EntryAt(table, i);
        for (std::uint32_t j = 0; j < count; ++j) {
            const ColorDataEntry &b = EntryAt(table, j);
            if (&a == &b)
                continue;
            if (ColorsWithinTolerance(b.color, a.color)) {
                ++overlaps;
                ShowOverlap(a, b, presenter);
            }
        }
    }
    ShowSummary(count, overlaps / 2, presenter);
}
