// What the Qt-free cores name and say in English, in the words of the
// language in use: scale names, descriptor systems and their labels, and the
// cores' messages. The English texts are the translation's sources, so in
// English everything reads as the cores write it. A custom descriptor
// system's labels are the user's and are shown as written.
#pragma once

#include "interpretation/interpretation.h"
#include "text/small_file.h"

#include <QString>

#include <string>
#include <string_view>

namespace report {

// "Wechsler IQ", "Scaled score", "Percentile rank".
QString scaleTitle(interpretation::ScaleId scale);
// A converter position's scale: "raw score", "z", ..., "Percentile".
QString positionTitle(int position);
// A name from the scale table (conversion::Scale::name).
QString scaleTitle(std::string_view name);
// A scale's short key, as a battery's file writes it ("wechsler", "t").
QString scaleKey(std::string_view column);

// "AACN", "Wechsler (classic)"; a custom system's name as given.
QString systemTitle(const interpretation::DescriptorSystem &system);
// A band's label: a built-in system's in the language in use, a custom
// one's as written.
QString descriptorLabel(const interpretation::DescriptorSystem &system, const std::string &label);

// A core's fixed message (interpretation::checkReliability's, say).
QString coreMessage(const std::string &message);
// Why a descriptor file or a small file cannot be read.
QString problemWords(const interpretation::DescriptorFileProblem &problem);
QString problemWords(const text::SmallFileProblem &problem);

} // namespace report
