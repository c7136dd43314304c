// ScrollBarFields: one masked update of the control's vertical scroll bar, in units of lines.
#pragma once

struct ScrollBarFields {
    // The mask bits have the values of the platform's scroll-info flags for range, page, position.
    enum : unsigned { Range = 0x1, Page = 0x2, Position = 0x4 };

    unsigned mask = 0;  // which of the fields below are set
    int min = 0;        // with Range: always 0
    int max = 0;        // with Range: lineCount - 1
    int page = 0;       // with Page: min(pageLines, bottomLine - topLine)
    int pos = 0;        // with Position: topLine

    bool operator==(const ScrollBarFields&) const = default;
};
