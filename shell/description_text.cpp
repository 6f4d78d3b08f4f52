#include "shell/description_text.h"

namespace shell {

const std::string &descriptionText()
{
    static const std::string text =
        "Quintaval" "\r"
        "" "\r"
        "Quintaval calculates a variety of standard scores from an obtained (raw) score and the mean and standard deviation of its distribution, or from any one of the other standard scores listed below. For a general introduction to standard scores, percentiles and the normal curve, see any textbook of educational and psychological measurement." "\r"
        "" "\r"
        "The normal-probability and inverse-probability calculations use two published approximations of the normal distribution: a polynomial approximation of the error function for percentiles, and a rational approximation for the z score of a percentile." "\r"
        "" "\r"
        "The standard scores and their means and standard deviations are:" "\r"
        "+++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++" "\r"
        "Score                             Mean          SD         Possible Range of Scores" "\r"
        "+++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++" "\r"
        "z                                   0            1              -6.99 to +6.99" "\r"
        "T                                  50           10                  1 to 99" "\r"
        "Wechsler IQ                       100           15                  1 to 199" "\r"
        "Normal Curve Equivalent            50        21.06                  1 to 99" "\r"
        "College Entrance Exam Board       500          100                200 to 800" "\r"
        "Army General Classification Test  100           20                  1 to 199" "\r"
        "" "\r"
        "***********************************************************************************" "\r"
        "A score computed beyond its scale's possible range is shown as the scale's bound followed by an asterisk (*). A standard score entered outside its range is refused." "\r"
        "" "\r"
        "Scores are rounded for display: z scores to two decimals, all other scores to whole numbers. Interpret them with the judgement of a qualified professional and with the test's own norms." "\r"
        "" "\r"
        "Quintaval is provided as is, without warranty of any kind. It stores nothing and sends nothing: everything you type stays in its windows.";
    return text;
}

} // namespace shell
