#pragma once

#include "tables/data_table.h"

// Shows one text with a caption and returns when the reader has closed it: a message box in the
// program, a printed block in the companion.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void Show(const char *text, const char *caption) = 0;
};

// Reports every pair of entries whose tolerance boxes catch each other ("Overlap Found!", once
// from each side), then a summary of how much of the color space the table names.
void AnalyzeColorNamesDistribution(const Orvak::DataBaseEngine::DataTable &table, MessagePresenter &presenter);
