// CompareReport: texts and moves over a comparison's result.
#include "app/compare/CompareReport.h"

#include "app/texts/ProgramTexts.h"
#include "app/tools/ChecksumReport.h"

#include <algorithm>
#include <cstdio>

std::string FillText(std::string_view text, std::initializer_list<std::string_view> values)
{
    std::string filled;
    const std::string_view* value = values.begin();
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '%' && at + 1 < text.size() && text[at + 1] == 's' && value != values.end()) {
            filled += *value++;
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

std::string OffsetText(uint64_t offset)
{
    char text[24];
    std::snprintf(text, sizeof text, "%08llX", static_cast<unsigned long long>(offset));
    return text;
}

std::string CompareStatusText(const CompareResult& result, std::optional<size_t> current)
{
    std::string text;
    switch (result.end) {
    case CompareEnd::TooLarge:
        return kTextCompareTooLarge;
    case CompareEnd::ReadFailed:
        return FillText(kTextCompareReadFailed, {OffsetText(result.failedOffset)});
    case CompareEnd::Cancelled:
        text = std::string(kTextCompareCancelled) + "  ";
        break;
    case CompareEnd::Done:
        if (result.Identical())
            return FillText(kTextCompareIdentical, {GroupedDecimal(result.size1)});
        break;
    }
    text += FillText(kTextCompareSummary, {GroupedDecimal(result.differingBytes), GroupedDecimal(result.regionCount)});
    if (current && *current < result.regions.size()) {
        const CompareRegion& region = result.regions[*current];
        text += FillText(kTextCompareCurrent, {GroupedDecimal(*current + 1), GroupedDecimal(result.regionCount),
                                               OffsetText(region.offset1), OffsetText(region.offset2)});
    }
    if (result.size1 != result.size2)
        text += FillText(kTextCompareSizes, {GroupedDecimal(result.size1), GroupedDecimal(result.size2)});
    if (result.boundStops > 0)
        text += FillText(kTextCompareBoundNote, {OffsetText(result.firstBoundStop), GroupedDecimal(result.boundStops)});
    if (result.ListCut())
        text += FillText(kTextCompareListCut, {GroupedDecimal(result.regions.size())});
    return text;
}

std::string CompareListLine(const CompareRegion& region)
{
    const auto side = [](uint64_t offset, uint64_t length, const char* none) {
        return length == 0 ? OffsetText(offset) + "\t" + none : OffsetText(offset) + "\t" + GroupedDecimal(length);
    };
    return side(region.offset1, region.length1, kTextCompareOnlySecond) + "\t" +
           side(region.offset2, region.length2, kTextCompareOnlyFirst);
}

std::string CompareListText(const CompareResult& result)
{
    std::string text = std::string(kTextCompareListHeader) + "\r\n";
    for (const CompareRegion& region : result.regions)
        text += CompareListLine(region) + "\r\n";
    return text;
}

std::optional<size_t> NextRegion(size_t count, std::optional<size_t> current) noexcept
{
    const size_t next = current ? *current + 1 : 0;
    return next < count ? std::optional<size_t>(next) : std::nullopt;
}

std::optional<size_t> PreviousRegion(size_t count, std::optional<size_t> current) noexcept
{
    if (count == 0 || (current && *current == 0))
        return std::nullopt;
    return current ? std::min(*current, count) - 1 : count - 1;
}

std::optional<size_t> RegionAtOrAfter(const CompareResult& result, uint64_t offset1) noexcept
{
    const auto found = std::partition_point(result.regions.begin(), result.regions.end(), [&](const CompareRegion& r) {
        return r.offset1 + std::max<uint64_t>(r.length1, 1) <= offset1;
    });
    if (found == result.regions.end())
        return std::nullopt;
    return static_cast<size_t>(found - result.regions.begin());
}

CompareExitCode ExitCodeOf(const CompareResult& result) noexcept
{
    if (result.end != CompareEnd::Done)
        return kCompareError;
    return result.Identical() ? kCompareIdentical : kCompareDifferent;
}
