// quintaval-convert's options that name a study's own columns, so that a
// file converts as it is: --raw, --mean, --sd, --score, --prefix and
// --missing.
#include "batch/cell_notes.h"
#include "batch/convert_command.h"
#include "batch/help_text.h"
#include "conversion/scales.h"
#include "text/ascii.h"
#include "text/plain_number.h"
#include "text/text_routines.h"

namespace batch {

ConvertCommand::Parsed ConvertCommand::nameColumn(const char *option,
                                                  const std::string &name, int field)
{
    const std::string key = columnKey(name);
    if (key.empty())
        return refuse(std::string(option) + ": the column name is empty");
    for (const ConversionSettings::NamedColumn &named : m_settings.named) {
        if (named.field == field)
            return refuse(std::string(option) + " " + name + ": " + std::string(conversion::kScales[field].column)
                          + " is already read from the column " + named.key);
        if (named.key == key)
            return refuse(std::string(option) + " " + name + ": the column " + key + " is already named");
    }
    m_settings.named.push_back({key, field});
    m_columnOption = m_columnOption ? m_columnOption : option;
    return Parsed::Run;
}

ConvertCommand::Parsed ConvertCommand::setRaw(const std::string &name)
{
    return nameColumn("--raw", name, conversion::Raw);
}

// SCALE=NAME
ConvertCommand::Parsed ConvertCommand::setScore(const std::string &value)
{
    const size_t equals = value.find('=');
    const std::string scale = columnKey(value.substr(0, equals));
    std::vector<std::string_view> scales;
    for (int position = conversion::Z; position <= conversion::Percentile; ++position) {
        scales.push_back(conversion::kScales[position].column);
        if (equals != std::string::npos && scale == conversion::kScales[position].column)
            return nameColumn("--score", value.substr(equals + 1), position);
    }
    return refuse("--score takes SCALE=COLUMN, SCALE being " + joinNames(scales, " or ") + ", not \""
                  + value + "\"");
}

ConvertCommand::Parsed ConvertCommand::setConstant(const char *option, const std::string &value,
                                                   std::string &number)
{
    if (!text::readPlainNumber(value, {'.', false}, number)
        && !text::readPlainNumber(value, {',', false}, number))
        return refuse(std::string(option) + ": \"" + value + "\" is not a number");
    m_columnOption = m_columnOption ? m_columnOption : option;
    return Parsed::Run;
}

ConvertCommand::Parsed ConvertCommand::setMean(const std::string &value)
{
    return setConstant("--mean", value, m_settings.mean);
}

ConvertCommand::Parsed ConvertCommand::setSd(const std::string &value)
{
    const Parsed parsed = setConstant("--sd", value, m_settings.sd);
    if (parsed == Parsed::Run && !(text::Val(m_settings.sd) > 0))
        return refuse("--sd \"" + value + "\": an sd must be above 0");
    return parsed;
}

ConvertCommand::Parsed ConvertCommand::setPrefix(const std::string &prefix)
{
    if (text::trimmed(prefix).empty() || text::trimmed(prefix) != prefix)
        return refuse("--prefix: \"" + prefix + "\" is no prefix for a name");
    m_settings.prefix = prefix;
    m_columnOption = m_columnOption ? m_columnOption : "--prefix";
    return Parsed::Run;
}

// CODE,CODE,... where a code is a number, or COLUMN:NUMBER for that column
// alone. Codes are written with a decimal point, as commas part them.
ConvertCommand::Parsed ConvertCommand::setMissing(const std::string &list)
{
    size_t start = 0;
    while (start <= list.size()) {
        const size_t end = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, end - start);
        const size_t colon = item.rfind(':');
        const std::string key = colon == std::string::npos ? std::string() : columnKey(item.substr(0, colon));
        const std::string code = colon == std::string::npos ? item : item.substr(colon + 1);
        std::string number;
        if ((colon != std::string::npos && key.empty())
            || !text::readPlainNumber(code, {'.', false}, number))
            return refuse("--missing takes numbers, or COLUMN:NUMBER, parted by commas, not \""
                          + item + "\"");
        m_settings.missing.push_back({key, text::Val(number)});
        start = end + 1;
    }
    m_columnOption = m_columnOption ? m_columnOption : "--missing";
    return Parsed::Run;
}

ConvertCommand::Parsed ConvertCommand::checkColumnOptions()
{
    if (m_settings.mean.empty() != m_settings.sd.empty())
        return refuse(std::string(m_settings.mean.empty() ? "--sd" : "--mean")
                      + " needs " + (m_settings.mean.empty() ? "--mean" : "--sd")
                      + ": a raw score is read against both");
    if (m_profile.enabled && m_columnOption)
        return refuse(std::string(m_columnOption)
                      + " cannot be used with --profile: its file names its columns");
    return Parsed::Run;
}

} // namespace batch
