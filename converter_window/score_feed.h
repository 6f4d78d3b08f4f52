// The converter's last successful Calculate, kept for the windows that
// follow it: they read it when they open and hear of each change. A refused
// Calculate changes nothing; Clear forgets the score.
#pragma once

#include "conversion/calculate.h"

#include <QObject>

#include <optional>
#include <string>

struct CalculatedScore {
    conversion::Outcome outcome; // its z, where it came from, the scores shown
    std::string value; // the raw score as typed, or the source scale as the converter shows it
    std::string rawMean, rawSd; // as typed; raw scores only

    int source() const { return outcome.source; }
};

class ScoreFeed : public QObject {
    Q_OBJECT

public:
    static ScoreFeed &instance();

    const std::optional<CalculatedScore> &latest() const { return m_latest; }
    void publish(const CalculatedScore &score);
    void clear();

signals:
    void changed();

private:
    std::optional<CalculatedScore> m_latest;
};
