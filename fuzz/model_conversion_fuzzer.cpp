// A PC data file of any bytes converted from a roomy model to a tight one: nothing may crash,
// and a converted file, which fits the tight model already, must convert to itself.
#include "exchange/model_conversion.h"

#include <cstdlib>

namespace {

exchange::ModelTables roomyModel()
{
    exchange::ModelTables model;
    model.pluginCode = 0x101;
    model.address = {.capacity = 1000,
                     .numbersBelowCapacity = 1,
                     .nameLength = 63,
                     .readingLength = 63,
                     .phoneSlots = 4,
                     .phoneLength = 63,
                     .mailSlots = 4,
                     .mailLength = 127,
                     .postalCodeLength = 15,
                     .postalAddressLength = 255,
                     .noteLength = 255};
    model.schedule = {.startTimeOption = 1,
                      .endTimeOption = 1,
                      .alarmAvailable = 1,
                      .summaryLength = 129,
                      .descriptionLength = 257,
                      .locationLength = 131,
                      .highestRepeatRule = 4,
                      .weekdayChoice = 1,
                      .repeatCountChoice = 1,
                      .alarmOption = 1,
                      .allDayChoice = 1,
                      .alarmToneChoice = 1,
                      .alarmVolumeChoice = 1,
                      .alarmTimeOption = 1,
                      .alarmLeadTimeOption = 1,
                      .largestAlarmLead = 10080,
                      .firstYear = 1990,
                      .lastYear = 2099};
    model.bookmark = {.urlLength = 515, .titleLength = 259};
    model.options = {{201, {"a", "b", "c"}}, {202, {"a", "b"}}, {203, {"r", "g"}},
                     {401, {"x", "y", "z"}}, {402, {"1", "2"}}, {403, {"t"}}};
    return model;
}

exchange::ModelTables tightModel()
{
    exchange::ModelTables model;
    model.pluginCode = 0x202;
    model.address = {.capacity = 20,
                     .numbersBelowCapacity = 1,
                     .nameLength = 9,
                     .readingLength = 5,
                     .phoneSlots = 2,
                     .phoneLength = 11,
                     .mailSlots = 1,
                     .mailLength = 20,
                     .postalAddressLength = 30};
    model.schedule = {.startTimeOption = 1,
                      .summaryLength = 0,
                      .descriptionLength = 21,
                      .highestRepeatRule = 2,
                      .alarmOption = 1,
                      .alarmLeadTimeOption = 1,
                      .largestAlarmLead = 30,
                      .firstYear = 2001,
                      .lastYear = 2030};
    model.bookmark = {.urlLength = 40, .titleLength = 7};
    model.options = {{201, {"b", "q"}}, {202, {"a"}}, {401, {"z", "x"}}, {402, {"2"}}};
    return model;
}

const exchange::ModelTables Roomy = roomyModel();
const exchange::ModelTables Tight = tightModel();

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const exchange::ModelConversion first = exchange::convertPcImage(data, size, Roomy, Tight);
    if (!first.converted)
        return 0;
    if (first.kept > first.read)
        std::abort();
    const exchange::ModelConversion again
        = exchange::convertPcImage(first.image.data(), first.image.size(), Tight, Tight);
    if (!again.converted || again.image != first.image || !again.report.empty())
        std::abort();
    return 0;
}
