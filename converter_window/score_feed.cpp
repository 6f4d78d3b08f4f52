#include "converter_window/score_feed.h"

ScoreFeed &ScoreFeed::instance()
{
    static ScoreFeed s_feed;
    return s_feed;
}

void ScoreFeed::publish(const CalculatedScore &score)
{
    m_latest = score;
    emit changed();
}

void ScoreFeed::clear()
{
    if (!m_latest)
        return;
    m_latest.reset();
    emit changed();
}
