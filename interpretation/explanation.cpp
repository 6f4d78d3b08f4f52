// The citations behind the formulas.
#include "interpretation/explanation.h"

namespace interpretation {

const Reference &reference(Source source)
{
    static const Reference kNone{};
    static const Reference kReferences[] = {
        {"Gulliksen, H.", 1950, "Theory of mental tests", "New York: Wiley"},
        {"Payne, R. W., & Jones, H. G.", 1957, "Statistics for the investigation of individual cases",
         "Journal of Clinical Psychology, 13, 115-121"},
        {"Davis, F. B.", 1959, "Interpretation of differences among averages and individual test scores",
         "Journal of Educational Psychology, 50, 162-170"},
        {"Jacobson, N. S., & Truax, P.", 1991,
         "Clinical significance: A statistical approach to defining meaningful change in "
         "psychotherapy research",
         "Journal of Consulting and Clinical Psychology, 59, 12-19"},
        {"Chelune, G. J., Naugle, R. I., L\u00fcders, H., Sedlak, J., & Awad, I. A.", 1993,
         "Individual change after epilepsy surgery: Practice effects and base-rate information",
         "Neuropsychology, 7, 41-52"},
        {"Tellegen, A., & Briggs, P. F.", 1967, "Old wine in new skins: Grouping Wechsler subtests into new scales",
         "Journal of Consulting Psychology, 31, 499-506"},
        {"Mosier, C. I.", 1943, "On the reliability of a weighted composite", "Psychometrika, 8, 161-168"},
        {"Wichura, M. J.", 1988, "Algorithm AS 241: The percentage points of the normal distribution",
         "Applied Statistics, 37, 477-484"},
        {"Abramowitz, M., & Stegun, I. A. (Eds.)", 1964,
         "Handbook of mathematical functions with formulas, graphs, and mathematical tables",
         "Washington: National Bureau of Standards"},
        {"Kelley, T. L.", 1927, "Interpretation of educational measurements", "Yonkers-on-Hudson: World Book"},
        {"Dudek, F. J.", 1979, "The continuing misinterpretation of the standard error of measurement",
         "Psychological Bulletin, 86, 335-337"},
        {"Guilmette, T. J., Sweet, J. J., Hebben, N., Koltai, D., Mahone, E. M., Spiegler, B. J., Stucky, K., "
         "Westerveld, M., & Conference Participants",
         2020,
         "American Academy of Clinical Neuropsychology consensus conference statement on uniform labeling of "
         "performance test scores",
         "The Clinical Neuropsychologist, 34, 437-453"},
        {"Wechsler, D.", 2014, "Wechsler Intelligence Scale for Children, fifth edition: Technical and "
         "interpretive manual", "Bloomington: Pearson"},
        {"Wechsler, D.", 2008, "Wechsler Adult Intelligence Scale, fourth edition: Technical and interpretive "
         "manual", "San Antonio: Pearson"},
        {"Schrank, F. A., McGrew, K. S., & Mather, N.", 2014, "Woodcock-Johnson IV", "Rolling Meadows: Riverside"},
        {"McSweeny, A. J., Naugle, R. I., Chelune, G. J., & L\u00fcders, H.", 1993,
         "\"T scores for change\": An illustration of a regression approach to depicting change in clinical "
         "neuropsychology",
         "The Clinical Neuropsychologist, 7, 300-312"},
        {"Crawford, J. R., & Garthwaite, P. H.", 2006,
         "Comparing patients' predicted test scores from a regression equation with their obtained scores: A "
         "significance test and point estimate of abnormality with accompanying confidence limits",
         "Neuropsychology, 20, 259-271"},
        {"Crawford, J. R., & Howell, D. C.", 1998,
         "Comparing an individual's test score against norms derived from small samples",
         "The Clinical Neuropsychologist, 12, 482-486"},
        {"Crawford, J. R., & Garthwaite, P. H.", 2002,
         "Investigation of the single case in neuropsychology: Confidence limits on the abnormality of test "
         "scores and test score differences",
         "Neuropsychologia, 40, 1196-1208"},
        {"Holm, S.", 1979, "A simple sequentially rejective multiple test procedure",
         "Scandinavian Journal of Statistics, 6, 65-70"},
        {"Dunn, O. J.", 1961, "Multiple comparisons among means",
         "Journal of the American Statistical Association, 56, 52-64"},
        {"Crawford, J. R., Garthwaite, P. H., & Gault, C. B.", 2007,
         "Estimating the percentage of the population with abnormally low scores (or abnormally large "
         "score differences) on standardized neuropsychological test batteries: A generic method with "
         "applications",
         "Neuropsychology, 21, 419-430"},
        {"Crawford, J. R., Garthwaite, P. H., Longman, R. S., & Batty, A. M.", 2012,
         "Some supplementary methods for the analysis of WAIS-IV index scores in neuropsychological "
         "assessment",
         "Journal of Neuropsychology, 6, 192-211"},
    };
    static_assert(sizeof kReferences / sizeof kReferences[0] == int(Source::CrawfordEtAl2012),
                  "one reference for each source but None, in Source's order");
    if (source == Source::None)
        return kNone;
    return kReferences[int(source) - 1];
}

} // namespace interpretation
