<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the windows in this language for the session: de (Deutsch) or en (English). Without it, the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); English where it is neither.</source>
        <translation>Die Fenster in dieser Sprache zeigen, für diese Sitzung: de (Deutsch) oder en (English). Ohne die Angabe die Sprache des Desktops (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); Englisch, wo sie keine der beiden ist.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Open FILE, a battery of one person&apos;s scores, in the Battery Sheet.</source>
        <translation>FILE, die Werte einer Person, im Profilbogen öffnen.</translation>
    </message>
    <message>
        <source>With --battery: write its printed report to OUT and exit.</source>
        <translation>Mit --battery: dessen gedruckten Bericht nach OUT schreiben und beenden.</translation>
    </message>
    <message>
        <source>Usage: quintaval [options]</source>
        <translation>Aufruf: quintaval [Optionen]</translation>
    </message>
    <message>
        <source>quintaval (Quintaval) %1
</source>
        <translation>quintaval (Quintaval) %1
</translation>
    </message>
    <message>
        <source>With --pdf: print only the person of this name; without it, every person in FILE, each from a new page.</source>
        <translation>Mit --pdf: nur die Person dieses Namens drucken; ohne diese Option jede Person in FILE, jede ab einer neuen Seite.</translation>
    </message>
    <message>
        <source>With --pdf: the common metric, wechsler, t, scaled or z.</source>
        <translation>Mit --pdf: die gemeinsame Metrik, wechsler, t, scaled oder z.</translation>
    </message>
    <message>
        <source>With --pdf: the level of the two-tailed tests, 0 &lt; A &lt; .5.</source>
        <translation>Mit --pdf: das Niveau der zweiseitigen Tests, 0 &lt; A &lt; .5.</translation>
    </message>
    <message>
        <source>With --pdf: divide alpha among the scores tested for strengths and weaknesses.</source>
        <translation>Mit --pdf: Alpha auf die Werte aufteilen, die auf Stärken und Schwächen geprüft werden.</translation>
    </message>
    <message>
        <source>With --pdf: the confidence of the intervals in percent, 50 &lt;= C &lt; 100.</source>
        <translation>Mit --pdf: das Konfidenzniveau der Intervalle in Prozent, 50 &lt;= C &lt; 100.</translation>
    </message>
    <message>
        <source>With --pdf: intervals about the estimated true score (true-score) or about the score itself (obtained).</source>
        <translation>Mit --pdf: Intervalle um den geschätzten wahren Wert (true-score) oder um den beobachteten Wert selbst (obtained).</translation>
    </message>
    <message>
        <source>With --pdf: aacn, wechsler, wechsler-classic, woodcock-johnson or a descriptor file.</source>
        <translation>Mit --pdf: aacn, wechsler, wechsler-classic, woodcock-johnson oder eine Bezeichnungsdatei.</translation>
    </message>
    <message>
        <source>With --pdf: the correlation matrix of the scores.</source>
        <translation>Mit --pdf: die Korrelationsmatrix der Werte.</translation>
    </message>
    <message>
        <source>--metric takes wechsler, t, scaled or z, not &quot;%1&quot;</source>
        <translation>--metric nimmt wechsler, t, scaled oder z, nicht „%1“</translation>
    </message>
    <message>
        <source>--alpha must be a number greater than 0 and less than .5, not &quot;%1&quot;</source>
        <translation>--alpha muss eine Zahl größer als 0 und kleiner als .5 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>--confidence: &quot;%1&quot; is not a number</source>
        <translation>--confidence: „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>--confidence &quot;%1&quot;: %2</source>
        <translation>--confidence „%1“: %2</translation>
    </message>
    <message>
        <source>--ci-method takes true-score or obtained, not &quot;%1&quot;</source>
        <translation>--ci-method nimmt true-score oder obtained, nicht „%1“</translation>
    </message>
    <message>
        <source>Quintaval converts a raw score, or a score on any of the z, T, Wechsler IQ,
NCE, CEEB and AGCT scales or a percentile, to every other scale.

quintaval --battery FILE starts with FILE open in the Battery Sheet.
quintaval --battery FILE --pdf OUT.pdf writes the Battery Sheet&apos;s printed
report of FILE to OUT.pdf and exits without a window or a display. Every
person in FILE is printed, each from a new page with their own page
numbers, or the one --person names. The options below set the report
as quintaval-convert --profile has them; those not given take the
settings the sheet last had. OUT may be a device or a pipe, never FILE or
a file the report is made from, by any name or link. Exit status: 0 when
written, 1 when a file cannot be read or written (a stored descriptor or
correlation file too), 2 on a usage error or when OUT is a file the
report is made from.
For CSV files of many scores, see quintaval-convert.</source>
        <translation>Quintaval rechnet einen Rohwert oder einen Wert auf der z-, T-, Wechsler-IQ-,
NCE-, CEEB- oder AGCT-Skala oder einen Prozentrang in jede andere Skala um.

quintaval --battery FILE startet mit FILE geöffnet im Profilbogen.
quintaval --battery FILE --pdf OUT.pdf schreibt den gedruckten Bericht des
Profilbogens über FILE nach OUT.pdf und endet ohne Fenster und ohne Anzeige.
Jede Person in FILE wird gedruckt, jede ab einer neuen Seite mit eigenen
Seitenzahlen, oder die eine, die --person nennt. Die Optionen unten stellen
den Bericht ein wie bei quintaval-convert --profile; was nicht angegeben ist,
kommt aus den zuletzt im Profilbogen gewählten Einstellungen. OUT darf ein
Gerät oder eine Pipe sein, nie FILE oder eine Datei, aus der der Bericht
entsteht, unter keinem Namen und keinem Link. Rückgabewert: 0, wenn
geschrieben; 1, wenn eine Datei nicht gelesen oder geschrieben werden kann
(auch eine gespeicherte Bezeichnungs- oder Korrelationsdatei); 2 bei einem
Bedienfehler oder wenn OUT eine Datei ist, aus der der Bericht entsteht.
Für CSV-Dateien mit vielen Werten siehe quintaval-convert.</translation>
    </message>
    <message>
        <source>--%1 is for the printed report: it needs --battery FILE --pdf OUT</source>
        <translation>--%1 gilt für den gedruckten Bericht: es braucht --battery FILE --pdf OUT</translation>
    </message>
    <message>
        <source>--%1 is given once</source>
        <translation>--%1 wird nur einmal angegeben</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>Try &apos;quintaval --help&apos; for more information.
</source>
        <translation>Mehr dazu mit „quintaval --help“.
</translation>
    </message>
    <message>
        <source>With --battery: write its report as an OpenDocument text (.odt) to OUT and exit; it takes the options and exit statuses of --pdf.</source>
        <translation>Mit --battery: den Bericht als OpenDocument-Text (.odt) nach OUT schreiben und beenden; es gelten die Optionen und Exit-Status von --pdf.</translation>
    </message>
    <message>
        <source>With --pdf: what decides a reliable change, jt (the RCI), srb or cg (by the retest study&apos;s regression).</source>
        <translation>Mit --pdf: was über eine reliable Veränderung entscheidet, jt (der RCI), srb oder cg (nach der Regression der Retest-Studie).</translation>
    </message>
    <message>
        <source>--change-method takes jt, srb or cg, not &quot;%1&quot;</source>
        <translation>--change-method nimmt jt, srb oder cg, nicht „%1“</translation>
    </message>
    <message>
        <source>With --pdf: how a person&apos;s pairs of scores are tested as a family: none, bonferroni or holm.</source>
        <translation>Mit --pdf: wie die Wertepaare einer Person als Familie geprüft werden: none (keine Korrektur), bonferroni oder holm.</translation>
    </message>
    <message>
        <source>With --pdf: a score is low below this percentile, 0 &lt; P &lt; 50.</source>
        <translation>Mit --pdf: ein Wert ist niedrig unter diesem Prozentrang, 0 &lt; P &lt; 50.</translation>
    </message>
    <message>
        <source>--pairs-correction takes none, bonferroni or holm, not &quot;%1&quot;</source>
        <translation>--pairs-correction nimmt none, bonferroni oder holm, nicht „%1“</translation>
    </message>
    <message>
        <source>--low-cutoff must be a number greater than 0 and less than 50, not &quot;%1&quot;</source>
        <translation>--low-cutoff muss eine Zahl größer als 0 und kleiner als 50 sein, nicht „%1“</translation>
    </message>
</context>
<context>
    <name>ControlWnd</name>
    <message>
        <source>z scores must range from %1 to +%2.</source>
        <translation>z-Werte müssen zwischen %1 und +%2 liegen.</translation>
    </message>
    <message>
        <source>T scores must range from %1 to %2.</source>
        <translation>T-Werte müssen zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>Wechsler IQ scores must range from %1 to %2.</source>
        <translation>Wechsler-IQ-Werte müssen zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>NCE scores must range from %1 to %2.</source>
        <translation>NCE-Werte müssen zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>CEEB scores must range from %1 to %2.</source>
        <translation>CEEB-Werte müssen zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>AGCT scores must range from %1 to %2.</source>
        <translation>AGCT-Werte müssen zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>Percentile scores must range from %1 to %2.</source>
        <translation>Perzentile müssen zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>Enter all 3 raw scores to calculate standard scores. Or, enter 1 standard score to convert to other standard scores.</source>
        <translation>Geben Sie Rohwert, Rohwert-Mittelwert und Rohwert-SD ein, um Standardwerte zu berechnen, oder einen Standardwert, um ihn in die anderen umzurechnen.</translation>
    </message>
    <message>
        <source>The raw score sd must be greater than 0.</source>
        <translation>Die Rohwert-SD muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>The raw score mean is too large a number to calculate with.</source>
        <translation>Der Rohwert-Mittelwert ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>The raw score sd is too large a number to calculate with.</source>
        <translation>Die Rohwert-SD ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>The raw score is too large a number to calculate with.</source>
        <translation>Der Rohwert ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>Quintaval</source>
        <translation>Quintaval</translation>
    </message>
    <message>
        <source>Written and maintained by the Quintaval developers</source>
        <translation>Geschrieben und gepflegt von den Quintaval-Entwicklern</translation>
    </message>
    <message>
        <source>* outside possible<byte value="xd"/>   range of scores</source>
        <translation>* außerhalb des<byte value="xd"/>   Wertebereichs</translation>
    </message>
    <message>
        <source>* outside possible range of scores</source>
        <translation>* außerhalb des möglichen Wertebereichs</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>raw score</source>
        <translation>Rohwert</translation>
    </message>
    <message>
        <source>raw score mean</source>
        <translation>Rohwert-Mittelwert</translation>
    </message>
    <message>
        <source>raw score sd</source>
        <translation>Rohwert-SD</translation>
    </message>
    <message>
        <source>z score</source>
        <translation>z-Wert</translation>
    </message>
    <message>
        <source>T score</source>
        <translation>T-Wert</translation>
    </message>
    <message>
        <source>Wechsler IQ</source>
        <translation>Wechsler-IQ</translation>
    </message>
    <message>
        <source>NCE score</source>
        <translation>NCE-Wert</translation>
    </message>
    <message>
        <source>CEEB score</source>
        <translation>CEEB-Wert</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>Perzentil (genähert)</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>AGCT score</source>
        <translation>AGCT-Wert</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>The reliability must be greater than 0 and less than 1.</source>
        <translation>Die Reliabilität muss größer als 0 und kleiner als 1 sein.</translation>
    </message>
    <message>
        <source>The confidence level must be at least 50 and less than 100.</source>
        <translation>Das Konfidenzniveau muss mindestens 50 und kleiner als 100 sein.</translation>
    </message>
    <message>
        <source>The reliability is too close to 1 to calculate with: it rounds to 1.</source>
        <translation>Die Reliabilität liegt zu nahe an 1, um damit zu rechnen: Sie wird auf 1 gerundet.</translation>
    </message>
    <message>
        <source>The reliability is too close to 0 to calculate with: it rounds to 0.</source>
        <translation>Die Reliabilität liegt zu nahe an 0, um damit zu rechnen: Sie wird auf 0 gerundet.</translation>
    </message>
    <message>
        <source>The confidence level is too close to 100 to calculate with: it rounds to 100.</source>
        <translation>Das Konfidenzniveau liegt zu nahe an 100, um damit zu rechnen: Es wird auf 100 gerundet.</translation>
    </message>
</context>
<context>
    <name>CurvePicture</name>
    <message>
        <source>Percentile</source>
        <translation>Prozentrang</translation>
    </message>
    <message>
        <source>z %1</source>
        <translation>z %1</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Wechsler IQ</source>
        <translation>Wechsler-IQ</translation>
    </message>
    <message>
        <source>Normal Curve Equivalent</source>
        <translation>Normal Curve Equivalent (NCE)</translation>
    </message>
    <message>
        <source>College Entrance Exam Board</source>
        <translation>College Entrance Exam Board</translation>
    </message>
    <message>
        <source>Army General Classification Test</source>
        <translation>Army General Classification Test</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>SD</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Possible Range of Scores</source>
        <translation>Möglicher Wertebereich</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Quintaval</source>
        <translation>Quintaval</translation>
    </message>
    <message>
        <source>Quintaval calculates a variety of standard scores from an obtained (raw) score and the mean and standard deviation of its distribution, or from any one of the other standard scores listed below. For a general introduction to standard scores, percentiles and the normal curve, see any textbook of educational and psychological measurement.</source>
        <translation>Quintaval berechnet eine Reihe von Standardwerten aus einem erzielten Wert (Rohwert) und dem Mittelwert und der Standardabweichung seiner Verteilung oder aus einem der anderen unten aufgeführten Standardwerte. Eine allgemeine Einführung in Standardwerte, Prozentränge und die Normalverteilung bietet jedes Lehrbuch der psychologischen und pädagogischen Diagnostik.</translation>
    </message>
    <message>
        <source>The normal-probability and inverse-probability calculations use two published approximations of the normal distribution: a polynomial approximation of the error function for percentiles, and a rational approximation for the z score of a percentile.</source>
        <translation>Die Berechnungen mit der Normalverteilung und ihrer Umkehrung stützen sich auf zwei veröffentlichte Näherungen: eine Polynomnäherung der Fehlerfunktion für Perzentile und eine rationale Näherung für den z-Wert eines Perzentils.</translation>
    </message>
    <message>
        <source>The standard scores and their means and standard deviations are:</source>
        <translation>Die Standardwerte mit ihren Mittelwerten und Standardabweichungen:</translation>
    </message>
    <message>
        <source>A score computed beyond its scale&apos;s possible range is shown as the scale&apos;s bound followed by an asterisk (*). A standard score entered outside its range is refused.</source>
        <translation>Ein Wert, der rechnerisch außerhalb des möglichen Bereichs seiner Skala liegt, wird als Grenze der Skala mit einem nachgestellten Sternchen (*) angezeigt. Ein eingegebener Standardwert außerhalb seines Bereichs wird zurückgewiesen.</translation>
    </message>
    <message>
        <source>Scores are rounded for display: z scores to two decimals, all other scores to whole numbers. Interpret them with the judgement of a qualified professional and with the test&apos;s own norms.</source>
        <translation>Die Werte werden für die Anzeige gerundet: z-Werte auf zwei Nachkommastellen, alle anderen auf ganze Zahlen. Deuten Sie sie mit fachkundigem Urteil und anhand der Normen des jeweiligen Tests.</translation>
    </message>
    <message>
        <source>Quintaval is provided as is, without warranty of any kind. It stores nothing and sends nothing: everything you type stays in its windows.</source>
        <translation>Quintaval wird ohne jede Gewähr bereitgestellt. Es speichert nichts und sendet nichts: Alles, was Sie eingeben, bleibt in seinen Fenstern.</translation>
    </message>
</context>
<context>
    <name>Descriptor</name>
    <message>
        <source>Exceptionally High</source>
        <translation>Außergewöhnlich hoch</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Überdurchschnittlich</translation>
    </message>
    <message>
        <source>High Average</source>
        <translation>Oberer Durchschnitt</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnittlich</translation>
    </message>
    <message>
        <source>Low Average</source>
        <translation>Unterer Durchschnitt</translation>
    </message>
    <message>
        <source>Below Average</source>
        <translation>Unterdurchschnittlich</translation>
    </message>
    <message>
        <source>Exceptionally Low</source>
        <translation>Außergewöhnlich niedrig</translation>
    </message>
    <message>
        <source>Extremely High</source>
        <translation>Extrem hoch</translation>
    </message>
    <message>
        <source>Very High</source>
        <translation>Sehr hoch</translation>
    </message>
    <message>
        <source>Very Low</source>
        <translation>Sehr niedrig</translation>
    </message>
    <message>
        <source>Extremely Low</source>
        <translation>Extrem niedrig</translation>
    </message>
    <message>
        <source>Very Superior</source>
        <translation>Weit überdurchschnittlich</translation>
    </message>
    <message>
        <source>Superior</source>
        <translation>Überdurchschnittlich</translation>
    </message>
    <message>
        <source>Borderline</source>
        <translation>Grenzbereich</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
</context>
<context>
    <name>Descriptor system</name>
    <message>
        <source>AACN</source>
        <translation>AACN</translation>
    </message>
    <message>
        <source>Wechsler</source>
        <translation>Wechsler</translation>
    </message>
    <message>
        <source>Wechsler (classic)</source>
        <translation>Wechsler (klassisch)</translation>
    </message>
    <message>
        <source>Woodcock-Johnson</source>
        <translation>Woodcock-Johnson</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>held at the limit of the scale and shown as %1; the * marks that</source>
        <translation>außerhalb des Wertebereichs der Skala; als Grenzwert %1 angegeben, das * kennzeichnet dies</translation>
    </message>
    <message>
        <source>shown as %1</source>
        <translation>angezeigt als %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2: the score as given.</source>
        <translation>%1 %2: der Wert, wie er eingegeben wurde.</translation>
    </message>
    <message>
        <source>From the %1 given: z = (X − M) / SD = (%2 − %3) / %4 = %5</source>
        <translation>Aus dem eingegebenen Wert (%1): z = (X − M) / SD = (%2 − %3) / %4 = %5</translation>
    </message>
    <message>
        <source>From the percentile given, P = %1: z = %2, by a rational approximation of the inverse normal curve</source>
        <translation>Aus dem eingegebenen Perzentil P = %1: z = %2, mit einer rationalen Näherung der inversen Normalverteilung</translation>
    </message>
    <message>
        <source>From the percentile given, P = %1: z = %2, from the inverse normal curve</source>
        <translation>Aus dem eingegebenen Perzentil P = %1: z = %2, aus der inversen Normalverteilung</translation>
    </message>
    <message>
        <source>%1: the band that holds M + SD × z = %2 + %3 × %4 = %5 (halves go up), %6.</source>
        <translation>%1: die Stufe, in der M + SD × z = %2 + %3 × %4 = %5 liegt (Hälften werden aufgerundet), %6.</translation>
    </message>
    <message>
        <source>%1 = M + SD × z = %2 + %3 × %4 = %5, %6.</source>
        <translation>%1 = M + SD × z = %2 + %3 × %4 = %5, %6.</translation>
    </message>
    <message>
        <source>Percentile ranks of the bounds: 100 Φ(%1) = %2 and 100 Φ(%3) = %4, shown as %5 and %6.</source>
        <translation>Prozentränge der Grenzen: 100 Φ(%1) = %2 und 100 Φ(%3) = %4, angezeigt als %5 und %6.</translation>
    </message>
    <message>
        <source>The converter window&apos;s percentile comes from a polynomial approximation of the normal curve</source>
        <translation>Das Perzentil im Umrechner stammt aus einer Polynomnäherung der Normalverteilung</translation>
    </message>
    <message>
        <source>: 100 Φ(%1) ≈ %2, written as a whole percentile from 1 to 99, %3.</source>
        <translation>: 100 Φ(%1) ≈ %2, als ganzes Perzentil von 1 bis 99 geschrieben, %3.</translation>
    </message>
    <message>
        <source>It differs from the exact percentile rank, %1, because it is whole and held to 1 to 99, and its approximation may round the other way near a half.</source>
        <translation>Es weicht vom exakten Prozentrang %1 ab, weil es ganzzahlig und auf 1 bis 99 begrenzt ist und seine Näherung nahe einer Hälfte anders runden kann.</translation>
    </message>
    <message>
        <source>every standard score</source>
        <translation>alle Standardwerte</translation>
    </message>
    <message>
        <source>standard scores of %1 and below</source>
        <translation>die Standardwerte bis %1</translation>
    </message>
    <message>
        <source>standard scores of %1 and above</source>
        <translation>die Standardwerte ab %1</translation>
    </message>
    <message>
        <source>standard scores from %1 up</source>
        <translation>die Standardwerte ab %1</translation>
    </message>
    <message>
        <source>standard scores from %1 to %2</source>
        <translation>die Standardwerte von %1 bis %2</translation>
    </message>
    <message>
        <source>Standard score S = %1 + %2 × z = %1 + %2 × %3, rounded: %4, not held at a limit.</source>
        <translation>Standardwert S = %1 + %2 × z = %1 + %2 × %3, gerundet: %4; liegt im Wertebereich der Skala.</translation>
    </message>
    <message>
        <source>The %1 system has no bands.</source>
        <translation>Das System %1 hat keine Bereiche.</translation>
    </message>
    <message>
        <source>Descriptor: in the %1 system, %2 covers %3, and %4 lies among them</source>
        <translation>Klassifikation: Im System %1 umfasst „%2“ %3; %4 gehört dazu</translation>
    </message>
    <message>
        <source>Estimated true score T′ = M + r (X − M) = %1 + %2 × %3 = %4</source>
        <translation>Geschätzter wahrer Wert T′ = M + r (X − M) = %1 + %2 × %3 = %4</translation>
    </message>
    <message>
        <source>Standard error of estimation SEE = SD √(r (1 − r)) = %1 × √(%2 × %3) = %4</source>
        <translation>Standardschätzfehler SEE = SD √(r (1 − r)) = %1 × √(%2 × %3) = %4</translation>
    </message>
    <message>
        <source>Standard error of measurement SEM = SD √(1 − r) = %1 × √%2 = %3</source>
        <translation>Standardmessfehler SEM = SD √(1 − r) = %1 × √%2 = %3</translation>
    </message>
    <message>
        <source>Critical value for %1 %: %2 = %3, from the inverse normal curve</source>
        <translation>Kritischer Wert für %1 %: %2 = %3, aus der inversen Normalverteilung</translation>
    </message>
    <message>
        <source>%1 %2 %3 × %4 = %5</source>
        <translation>%1 %2 %3 × %4 = %5</translation>
    </message>
    <message>
        <source>Lower bound: %1 − %2 × %3 = %4, %5.</source>
        <translation>Untere Grenze: %1 − %2 × %3 = %4, %5.</translation>
    </message>
    <message>
        <source>Upper bound: %1 + %2 × %3 = %4, %5.</source>
        <translation>Obere Grenze: %1 + %2 × %3 = %4, %5.</translation>
    </message>
    <message>
        <source>%1 et al.</source>
        <translation>%1 et al.</translation>
    </message>
    <message>
        <source>Percentile rank: the share of the normal curve below z, 100 Φ(z) = 100 Φ(%1) = %2, %3; ranks below %4 and above %5 are shown as &amp;lt;%4 and &amp;gt;%5.</source>
        <translation>Prozentrang: der Anteil der Normalverteilung unterhalb von z, 100 Φ(z) = 100 Φ(%1) = %2, %3; Prozentränge unter %4 und über %5 werden als &amp;lt;%4 und &amp;gt;%5 angezeigt.</translation>
    </message>
    <message>
        <source>Bounds: %1 ± %2 × %3 = %4 and %5, shown as %6 and %7.</source>
        <translation>Grenzen: %1 ± %2 × %3 = %4 und %5, angezeigt als %6 und %7.</translation>
    </message>
</context>
<context>
    <name>FileProblem</name>
    <message>
        <source>line 1: the file is empty; it needs the header &quot;from,label&quot; and one row per band</source>
        <translation>Zeile 1: Die Datei ist leer; sie braucht die Kopfzeile „from,label“ und eine Zeile je Bereich</translation>
    </message>
    <message>
        <source>a quoted cell is not closed properly</source>
        <translation>eine Zelle in Anführungszeichen ist nicht richtig geschlossen</translation>
    </message>
    <message>
        <source>the header must be &quot;from,label&quot;</source>
        <translation>die Kopfzeile muss „from,label“ lauten</translation>
    </message>
    <message>
        <source>expected 2 cells, from and label, but found %1</source>
        <translation>erwartet waren 2 Zellen, from und label, gefunden wurden %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole standard score</source>
        <translation>„%1“ ist kein ganzzahliger Standardwert</translation>
    </message>
    <message>
        <source>the label is empty</source>
        <translation>die Bezeichnung ist leer</translation>
    </message>
    <message>
        <source>the label holds a NUL byte</source>
        <translation>die Bezeichnung enthält ein NUL-Byte</translation>
    </message>
    <message>
        <source>the label is not valid UTF-8 text</source>
        <translation>die Bezeichnung ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>from %1 is given already on line %2</source>
        <translation>from %1 steht bereits in Zeile %2</translation>
    </message>
    <message>
        <source>the header is followed by no bands</source>
        <translation>auf die Kopfzeile folgt kein Bereich</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>sie ist größer als %1 Byte</translation>
    </message>
</context>
<context>
    <name>Identification</name>
    <message>
        <source>%1 is not a date; write it as year-month-day, such as 2016-03-14.</source>
        <translation>%1 ist kein Datum; bitte als TT.MM.JJJJ schreiben, etwa 14.03.2016.</translation>
    </message>
    <message>
        <source>The date of testing is before the date of birth.</source>
        <translation>Das Testdatum liegt vor dem Geburtsdatum.</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>%1;%2 (%3)</source>
        <translation>%1;%2 Jahre (%3)</translation>
    </message>
    <message>
        <source>Name or code</source>
        <translation>Name oder Kürzel</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Date of testing</source>
        <translation>Testdatum</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Testleitung</translation>
    </message>
    <message>
        <source>Age at testing</source>
        <translation>Alter bei Testung</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Be&amp;richt</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>Als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>Zeile ein&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>Zeile &amp;löschen</translation>
    </message>
    <message>
        <source>Move Row Do&amp;wn</source>
        <translation>Zeile nach &amp;unten</translation>
    </message>
    <message>
        <source>Copy &amp;Table</source>
        <translation>&amp;Tabelle kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Sentence</source>
        <translation>&amp;Satz kopieren</translation>
    </message>
    <message>
        <source>Save &amp;Picture…</source>
        <translation>&amp;Abbildung speichern…</translation>
    </message>
    <message>
        <source>P&amp;rint Report…</source>
        <translation>Bericht &amp;drucken…</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Umrechner</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>&amp;About Quintaval</source>
        <translation>Über &amp;Quintaval</translation>
    </message>
    <message>
        <source>&amp;Score Report</source>
        <translation>&amp;Ergebnisbericht</translation>
    </message>
    <message>
        <source>&amp;Battery Sheet</source>
        <translation>&amp;Profilbogen</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>E&amp;ntfernen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Move Row Up</source>
        <translation>Zeile nach &amp;oben</translation>
    </message>
    <message>
        <source>Export &amp;Document…</source>
        <translation>Als &amp;Textdokument exportieren…</translation>
    </message>
    <message>
        <source>Edit C&amp;orrelations…</source>
        <translation>Korrelationen &amp;bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Load Correlations…</source>
        <translation>Korrelationen &amp;laden…</translation>
    </message>
    <message>
        <source>View</source>
        <translation>An&amp;zeige</translation>
    </message>
    <message>
        <source>&amp;Study and Control Columns</source>
        <translation>&amp;Studien- und Kontrollspalten</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>%1: the picture can be saved as SVG, PNG or PDF; end the file name in .svg, .png or .pdf.</source>
        <translation>%1: Die Abbildung kann als SVG, PNG oder PDF gespeichert werden; der Dateiname muss auf .svg, .png oder .pdf enden.</translation>
    </message>
    <message>
        <source>%1 could not be saved: the picture could not be drawn.</source>
        <translation>%1 konnte nicht gespeichert werden: Die Abbildung ließ sich nicht zeichnen.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>PrintedDocument</name>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>Quintaval %1 · printed %2</source>
        <translation>Quintaval %1 · gedruckt am %2</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Scores</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>Every scale is reached through z, the score&apos;s distance from the mean in standard deviations; percentile ranks are exact areas under the normal curve.</source>
        <translation>Alle Skalen werden über z berechnet, den Abstand des Werts vom Mittelwert in Standardabweichungen; Prozentränge sind exakte Flächen unter der Normalverteilung.</translation>
    </message>
    <message>
        <source>Descriptors: the %1 system.</source>
        <translation>Klassifikation: System %1.</translation>
    </message>
    <message>
        <source>Score Report</source>
        <translation>Ergebnisbericht</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Wert: %1</translation>
    </message>
    <message>
        <source>Confidence interval: %1 % interval, true score, from a reliability of %2.</source>
        <translation>%1-%-Konfidenzintervall um den geschätzten wahren Wert (r = %2).</translation>
    </message>
    <message>
        <source>Confidence interval: %1 % interval, obtained score, from a reliability of %2.</source>
        <translation>%1-%-Konfidenzintervall um den beobachteten Wert (r = %2).</translation>
    </message>
    <message>
        <source>The normal curve with the score marked (%1).</source>
        <translation>Die Normalverteilungskurve mit dem markierten Wert (%1).</translation>
    </message>
</context>
<context>
    <name>ReportTable</name>
    <message>
        <source>The table shows the estimated true score as %1, the band it falls in.</source>
        <translation>Die Tabelle zeigt den geschätzten wahren Wert als %1, das Band, in das er fällt.</translation>
    </message>
    <message>
        <source>The table shows the estimated true score as %1: it lies outside the possible range of the scale and is held at its limit.</source>
        <translation>Die Tabelle zeigt den geschätzten wahren Wert als %1: er liegt außerhalb des möglichen Bereichs der Skala und wird an dessen Grenze gehalten.</translation>
    </message>
    <message>
        <source>An estimated true score stays on its scale: beyond the scale&apos;s range it is held at its limit (*); on stanines and stens, which are bands, it is the band the estimated true score falls in.</source>
        <translation>Ein geschätzter wahrer Wert bleibt auf seiner Skala: jenseits des Skalenbereichs wird er an dessen Grenze gehalten (*); bei Staninen und Stenwerten, die Bänder sind, steht das Band, in das der geschätzte wahre Wert fällt.</translation>
    </message>
    <message>
        <source>SEE</source>
        <translation>SEE</translation>
    </message>
    <message>
        <source>SEM</source>
        <translation>SEM</translation>
    </message>
    <message>
        <source>%1 % interval, true score</source>
        <translation>%1-%-KI um den wahren Wert</translation>
    </message>
    <message>
        <source>%1 % interval, obtained score</source>
        <translation>%1-%-KI um den beobachteten Wert</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Klassifikation</translation>
    </message>
    <message>
        <source>The score on each scale.</source>
        <translation>Der Wert auf jeder Skala.</translation>
    </message>
    <message>
        <source>Estimated true score</source>
        <translation>Geschätzter wahrer Wert</translation>
    </message>
    <message>
        <source>The score drawn towards the mean by the reliability: the interval&apos;s centre.</source>
        <translation>Der durch die Reliabilität zum Mittelwert hin gezogene Wert: die Mitte des Intervalls.</translation>
    </message>
    <message>
        <source>Standard error of estimation: the spread of true scores about the estimated true score.</source>
        <translation>Standardschätzfehler: die Streuung der wahren Werte um den geschätzten wahren Wert.</translation>
    </message>
    <message>
        <source>Standard error of measurement: the spread of scores obtained about the true score.</source>
        <translation>Standardmessfehler: die Streuung der beobachteten Werte um den wahren Wert.</translation>
    </message>
    <message>
        <source>The confidence interval for the true score.</source>
        <translation>Das Konfidenzintervall für den wahren Wert.</translation>
    </message>
    <message>
        <source>%1: lower</source>
        <translation>%1: untere Grenze</translation>
    </message>
    <message>
        <source>%1: upper</source>
        <translation>%1: obere Grenze</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>A raw score of</source>
        <translation>Ein Rohwert von</translation>
    </message>
    <message>
        <source>raw score</source>
        <translation>Rohwert</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>RW</translation>
    </message>
    <message>
        <source>A z score of</source>
        <translation>Ein z-Wert von</translation>
    </message>
    <message>
        <source>z score</source>
        <translation>z-Wert</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>A T score of</source>
        <translation>Ein T-Wert von</translation>
    </message>
    <message>
        <source>T score</source>
        <translation>T-Wert</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>A Wechsler IQ of</source>
        <translation>Ein Wechsler-IQ von</translation>
    </message>
    <message>
        <source>Wechsler IQ</source>
        <translation>Wechsler-IQ</translation>
    </message>
    <message>
        <source>IQ</source>
        <translation>IQ</translation>
    </message>
    <message>
        <source>An NCE of</source>
        <translation>Ein NCE-Wert von</translation>
    </message>
    <message>
        <source>NCE</source>
        <translation>NCE</translation>
    </message>
    <message>
        <source>A CEEB score of</source>
        <translation>Ein CEEB-Wert von</translation>
    </message>
    <message>
        <source>CEEB score</source>
        <translation>CEEB-Wert</translation>
    </message>
    <message>
        <source>CEEB</source>
        <translation>CEEB</translation>
    </message>
    <message>
        <source>An AGCT score of</source>
        <translation>Ein AGCT-Wert von</translation>
    </message>
    <message>
        <source>AGCT score</source>
        <translation>AGCT-Wert</translation>
    </message>
    <message>
        <source>AGCT</source>
        <translation>AGCT</translation>
    </message>
    <message>
        <source>A score at the</source>
        <translation>Ein Wert beim</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>Perzentil</translation>
    </message>
    <message>
        <source>PR</source>
        <translation>PR</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
    <message>
        <source>less than %1</source>
        <translation>weniger als %1</translation>
    </message>
    <message>
        <source>below the %1 percentile</source>
        <translation>einem Prozentrang unter %1</translation>
    </message>
    <message>
        <source>above the %1 percentile</source>
        <translation>einem Prozentrang über %1</translation>
    </message>
    <message>
        <source>at the %1 percentile</source>
        <translation>einem Prozentrang von %1</translation>
    </message>
    <message>
        <source>the %1 percentile</source>
        <translation>Prozentrang %1</translation>
    </message>
    <message>
        <source>%1 to %2 percentile</source>
        <translation>Prozentrang %1 bis %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>in the %1 range (%2)</source>
        <translation>im Bereich „%1“ (%2)</translation>
    </message>
    <message>
        <source>a Wechsler-metric standard score of %1</source>
        <translation>einem Standardwert von %1 (Wechsler-Metrik)</translation>
    </message>
    <message>
        <source>A score at the %1 percentile is %2 and %3.</source>
        <translation>Ein Perzentil von %1 entspricht %2 und liegt %3.</translation>
    </message>
    <message>
        <source>A raw score of %1 (mean %2, sd %3) is %4, %5 and %6.</source>
        <translation>Ein Rohwert von %1 (M = %2, SD = %3) entspricht %4 sowie %5 und liegt %6.</translation>
    </message>
    <message>
        <source>%1 %2 is %3 and %4.</source>
        <translation>%1 %2 entspricht %3 und liegt %4.</translation>
    </message>
    <message>
        <source>true-score method</source>
        <translation>Methode des wahren Werts</translation>
    </message>
    <message>
        <source>obtained-score method</source>
        <translation>Methode des beobachteten Werts</translation>
    </message>
    <message>
        <source>lies entirely %1 %2</source>
        <translation>liegt vollständig %1 %2</translation>
    </message>
    <message>
        <source>above</source>
        <translation>oberhalb von</translation>
    </message>
    <message>
        <source>below</source>
        <translation>unterhalb von</translation>
    </message>
    <message>
        <source>is %1 to %2</source>
        <translation>reicht von %1 bis %2</translation>
    </message>
    <message>
        <source>With a reliability of %1, the %2% confidence interval (%3) %4 (%5).</source>
        <translation>Das %2-%-Konfidenzintervall (%3, Reliabilität %1) %4 (%5).</translation>
    </message>
    <message>
        <source>* outside the possible range of the scale: held at its limit</source>
        <translation>* außerhalb des Wertebereichs; als Grenzwert angegeben</translation>
    </message>
    <message>
        <source>%1 %2 (mean %3, sd %4)</source>
        <translation>%1 %2 (M = %3, SD = %4)</translation>
    </message>
    <message>
        <source>Descriptor: %1 (%2)</source>
        <translation>Klassifikation: %1 (%2)</translation>
    </message>
    <message>
        <source>below the %1 percentile</source>
        <comment>end of a range</comment>
        <translation>Prozentrang unter %1</translation>
    </message>
    <message>
        <source>below the %1 percentile</source>
        <comment>in parentheses</comment>
        <translation>Prozentrang unter %1</translation>
    </message>
    <message>
        <source>above the %1 percentile</source>
        <comment>end of a range</comment>
        <translation>Prozentrang über %1</translation>
    </message>
    <message>
        <source>above the %1 percentile</source>
        <comment>in parentheses</comment>
        <translation>Prozentrang über %1</translation>
    </message>
    <message>
        <source>at the %1 percentile</source>
        <comment>in parentheses</comment>
        <translation>Prozentrang %1</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>raw score</source>
        <translation>Rohwert</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Wechsler IQ</source>
        <translation>Wechsler-IQ</translation>
    </message>
    <message>
        <source>NCE</source>
        <translation>NCE</translation>
    </message>
    <message>
        <source>CEEB</source>
        <translation>CEEB</translation>
    </message>
    <message>
        <source>AGCT</source>
        <translation>AGCT</translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Perzentil (genähert)</translation>
    </message>
    <message>
        <source>Scaled score</source>
        <translation>Wertpunkte (WP)</translation>
    </message>
    <message>
        <source>Stanine</source>
        <translation>Stanine</translation>
    </message>
    <message>
        <source>Sten</source>
        <translation>Sten</translation>
    </message>
    <message>
        <source>Percentile rank</source>
        <translation>Prozentrang</translation>
    </message>
</context>
<context>
    <name>Scale key</name>
    <message>
        <source>raw</source>
        <translation>RW</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>t</source>
        <translation>T</translation>
    </message>
    <message>
        <source>wechsler</source>
        <translation>IQ</translation>
    </message>
    <message>
        <source>nce</source>
        <translation>NCE</translation>
    </message>
    <message>
        <source>ceeb</source>
        <translation>CEEB</translation>
    </message>
    <message>
        <source>agct</source>
        <translation>AGCT</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>PR</translation>
    </message>
    <message>
        <source>scaled</source>
        <translation>WP</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Your choices could not be saved to %1. They are kept until Quintaval closes.</source>
        <translation>Ihre Einstellungen konnten nicht in %1 gespeichert werden. Sie gelten weiter, bis Quintaval beendet wird.</translation>
    </message>
</context>
<context>
    <name>WrittenFile</name>
    <message>
        <source>it is %1, which this would replace</source>
        <translation>es ist %1, die dabei ersetzt würde</translation>
    </message>
</context>
<context>
    <name>battery::BatteryPage</name>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>Strengths and weaknesses</source>
        <translation>Stärken und Schwächen</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differenzen</translation>
    </message>
    <message>
        <source>Composites</source>
        <translation>Kompositwerte</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Veränderung</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Battery Report</source>
        <translation>Profilbericht</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>As given</source>
        <translation>Eingegeben</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>PR</source>
        <translation>PR</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Klassifikation</translation>
    </message>
    <message>
        <source>%1% interval</source>
        <translation>%1-%-Intervall</translation>
    </message>
    <message>
        <source>Dev.</source>
        <translation>Abw.</translation>
    </message>
    <message>
        <source>Crit.</source>
        <translation>Krit.</translation>
    </message>
    <message>
        <source>BR %</source>
        <translation>BR %</translation>
    </message>
    <message>
        <source>S/W</source>
        <translation>S/W</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>No strengths.</source>
        <translation>Keine Stärken.</translation>
    </message>
    <message>
        <source>Strengths: %1.</source>
        <translation>Stärken: %1.</translation>
    </message>
    <message>
        <source>No weaknesses.</source>
        <translation>Keine Schwächen.</translation>
    </message>
    <message>
        <source>Weaknesses: %1.</source>
        <translation>Schwächen: %1.</translation>
    </message>
    <message>
        <source>Strengths and weaknesses need at least three scores with a reliability.</source>
        <translation>Stärken und Schwächen brauchen mindestens drei Werte mit Reliabilität.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 is left out: %2</source>
        <translation>%1 bleibt unberücksichtigt: %2</translation>
    </message>
    <message>
        <source>Significant differences</source>
        <translation>Signifikante Differenzen</translation>
    </message>
    <message>
        <source>No difference between two scores is significant at alpha %1.</source>
        <translation>Keine Differenz zwischen zwei Werten ist bei α = %1 signifikant.</translation>
    </message>
    <message>
        <source>No two scores with a reliability to compare.</source>
        <translation>Keine zwei Werte mit Reliabilität zum Vergleichen.</translation>
    </message>
    <message>
        <source>Score 1</source>
        <translation>Wert 1</translation>
    </message>
    <message>
        <source>Score 2</source>
        <translation>Wert 2</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>BR: base rate, the percent of people with a difference at least as large in the same direction.</source>
        <translation>BR: Basisrate, der Prozentsatz der Personen mit einer mindestens so großen Differenz in derselben Richtung.</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Eingegeben</translation>
    </message>
    <message>
        <source>Retest</source>
        <translation>Retest</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übungseffekt</translation>
    </message>
    <message>
        <source>RCI</source>
        <translation>RCI</translation>
    </message>
    <message>
        <source>Change on retest</source>
        <translation>Veränderung beim Retest</translation>
    </message>
    <message>
        <source>A composite needs the correlations of its members; none of the groups&apos; correlations are known.</source>
        <translation>Ein Kompositwert braucht die Korrelationen seiner Teilwerte; für keine der Gruppen sind sie bekannt.</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Every figure is worked out from unrounded z scores and shown on the %1 scale (mean %2, SD %3).</source>
        <translation>Alle Werte werden aus ungerundeten z-Werten berechnet und auf der Skala %1 (M = %2, SD = %3) gezeigt.</translation>
    </message>
    <message>
        <source>Confidence intervals: %1%, centred on the estimated true score.</source>
        <translation>Konfidenzintervalle: %1 %, um den geschätzten wahren Wert.</translation>
    </message>
    <message>
        <source>Confidence intervals: %1%, centred on the obtained score.</source>
        <translation>Konfidenzintervalle: %1 %, um den beobachteten Wert.</translation>
    </message>
    <message>
        <source>Differences, strengths and weaknesses and change are tested two-tailed at alpha %1; strengths and weaknesses with a Bonferroni correction for the %2 scores compared.</source>
        <translation>Differenzen, Stärken und Schwächen sowie Veränderungen werden zweiseitig bei α = %1 geprüft; Stärken und Schwächen mit einer Bonferroni-Korrektur für die %2 verglichenen Werte.</translation>
    </message>
    <message>
        <source>Differences, strengths and weaknesses and change are tested two-tailed at alpha %1, without a Bonferroni correction.</source>
        <translation>Differenzen, Stärken und Schwächen sowie Veränderungen werden zweiseitig bei α = %1 geprüft, ohne Bonferroni-Korrektur.</translation>
    </message>
    <message>
        <source>Correlations between the scores: none given, so there are no base rates and no composites.</source>
        <translation>Korrelationen zwischen den Werten: keine angegeben, daher keine Basisraten und keine Kompositwerte.</translation>
    </message>
    <message>
        <source>Correlations between the scores: from %1.</source>
        <translation>Korrelationen zwischen den Werten: aus %1.</translation>
    </message>
    <message>
        <source>Descriptors: %1.</source>
        <translation>Klassifikation: %1.</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Testbatterie</translation>
    </message>
    <message>
        <source>battery</source>
        <translation>profil</translation>
    </message>
    <message>
        <source>no set</source>
        <translation>kein Set</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>%1, %2 scores, mean %3</source>
        <translation>%1, %2 Werte, Mittelwert %3</translation>
    </message>
    <message>
        <source>%1, %2 scores, too few</source>
        <translation>%1, %2 Werte, zu wenige</translation>
    </message>
    <message>
        <source>Strengths and weaknesses need at least three scores with a reliability in a set.</source>
        <translation>Stärken und Schwächen brauchen mindestens drei Werte mit Reliabilität in einem Vergleichsset.</translation>
    </message>
    <message>
        <source>Differences, strengths and weaknesses and change are tested two-tailed at alpha %1; strengths and weaknesses with a Bonferroni correction for the scores compared in each set.</source>
        <translation>Differenzen, Stärken und Schwächen sowie Veränderungen werden zweiseitig bei α = %1 geprüft; Stärken und Schwächen mit einer Bonferroni-Korrektur für die in jedem Vergleichsset verglichenen Werte.</translation>
    </message>
    <message>
        <source>Profile chart of the scores on the %1 scale: %2.</source>
        <translation>Profildiagramm der Werte auf der Skala %1: %2.</translation>
    </message>
    <message>
        <source>Case against controls</source>
        <translation>Fall gegen Kontrollen</translation>
    </message>
    <message>
        <source>Pred.</source>
        <translation>Vorh.</translation>
    </message>
    <message>
        <source>SRB z</source>
        <translation>SRB-z</translation>
    </message>
    <message>
        <source>CG t</source>
        <translation>CG-t</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>95% interval</source>
        <translation>95-%-Intervall</translation>
    </message>
    <message>
        <source>Pred.: the retest predicted from the score by the retest study&apos;s regression.</source>
        <translation>Vorh.: der aus dem Wert mit der Regression der Retest-Studie vorhergesagte Retest.</translation>
    </message>
    <message>
        <source>SRB z: the retest&apos;s distance from the prediction in standard errors of estimate.</source>
        <translation>SRB-z: der Abstand des Retests von der Vorhersage in Standardschätzfehlern.</translation>
    </message>
    <message>
        <source>CG t: the same distance as a t that allows for the study&apos;s size; %: the estimated percent of people with a larger change in the same direction.</source>
        <translation>CG-t: derselbe Abstand als t, das die Größe der Studie berücksichtigt; %: der geschätzte Prozentsatz der Personen mit einer größeren Veränderung in derselben Richtung.</translation>
    </message>
    <message>
        <source>p is one-tailed. The change is decided by %1 at alpha %2, two-tailed.</source>
        <translation>p ist einseitig. Über die Veränderung entscheidet %1 bei Alpha %2, zweiseitig.</translation>
    </message>
    <message>
        <source>the SRB z</source>
        <translation>das SRB-z</translation>
    </message>
    <message>
        <source>the CG t (the RCI for a score without a study)</source>
        <translation>das CG-t (bei einem Wert ohne Studie der RCI)</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Kontrollgruppe</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>df</source>
        <translation>df</translation>
    </message>
    <message>
        <source>z_CC</source>
        <translation>z_CC</translation>
    </message>
    <message>
        <source>%1 above</source>
        <translation>%1 darüber</translation>
    </message>
    <message>
        <source>%1 below</source>
        <translation>%1 darunter</translation>
    </message>
    <message>
        <source>M %1, SD %2, n %3</source>
        <translation>M %1, SD %2, n %3</translation>
    </message>
    <message>
        <source>t: the score against the controls&apos; mean, allowing for their number, with n − 1 degrees of freedom; p is one-tailed, in the direction of the score. z_CC: the score&apos;s z against the controls. %: the estimated percent of the control population below the score, or above it for a score above their mean. The intervals are 95%.</source>
        <translation>t: der Wert gegen den Mittelwert der Kontrollgruppe, unter Berücksichtigung ihrer Größe, mit n − 1 Freiheitsgraden; p ist einseitig, in Richtung des Werts. z_CC: das z des Werts gegenüber der Kontrollgruppe. %: der geschätzte Prozentsatz der Kontrollpopulation unterhalb des Werts, bei einem Wert über ihrem Mittelwert oberhalb. Die Intervalle sind 95-%-Intervalle.</translation>
    </message>
    <message>
        <source>Dev.: from the mean of the %1 scores with a reliability, %2; Crit.: what a strength (S) or weakness (W) needs at alpha %3; BR: percent of people deviating this far in the same direction.</source>
        <translation>Abw.: Abweichung vom Personenmittelwert (%2, aus %1 Werten mit Reliabilität); Krit.: kritische Abweichung (α = %3) für eine Stärke (S) oder Schwäche (W); BR: Prozent der Personen mit so großer Abweichung in derselben Richtung.</translation>
    </message>
    <message>
        <source>Dev.: from the mean of the scores with a reliability in the score&apos;s set (%1); Crit.: what a strength (S) or weakness (W) needs at alpha %2; BR: percent of people deviating this far in the same direction.</source>
        <translation>Abw.: Abweichung vom Mittelwert der Werte mit Reliabilität im Vergleichsset des Werts (%1); Krit.: kritische Abweichung (α = %2) für eine Stärke (S) oder Schwäche (W); BR: Prozent der Personen mit so großer Abweichung in derselben Richtung.</translation>
    </message>
    <message>
        <source>Dev.: from the mean of the %1 scores with a reliability in the set %2, %3; Crit.: what a strength (S) or weakness (W) needs at alpha %4; BR: percent of people deviating this far in the same direction.</source>
        <translation>Abw.: Abweichung vom Mittelwert des Vergleichssets %2 (%3, aus %1 Werten mit Reliabilität); Krit.: kritische Abweichung (α = %4) für eine Stärke (S) oder Schwäche (W); BR: Prozent der Personen mit so großer Abweichung in derselben Richtung.</translation>
    </message>
    <message>
        <source>How unusual the profile is</source>
        <translation>Wie ungewöhnlich das Profil ist</translation>
    </message>
    <message>
        <source>How unusual is this profile?</source>
        <translation>Wie ungewöhnlich ist dieses Profil?</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>As many low %</source>
        <translation>Ebenso viele niedrig %</translation>
    </message>
    <message>
        <source>D²</source>
        <translation>D²</translation>
    </message>
    <message>
        <source>As unusual %</source>
        <translation>Ebenso ungewöhnlich %</translation>
    </message>
    <message>
        <source>Low: scores with a percentile rank below %1. As many low: the percent of healthy people with as many low scores or more among the same tests. D²: the Mahalanobis distance of the set&apos;s profile; as unusual: the percent of healthy people whose profile is at least as unusual, in its pattern and level together. Neither says which score is at fault.</source>
        <translation>Niedrig: Werte mit einem Prozentrang unter %1. Ebenso viele niedrig: der Prozentsatz Gesunder mit ebenso vielen oder mehr niedrigen Werten in denselben Tests. D²: die Mahalanobis-Distanz des Profils im Set; ebenso ungewöhnlich: der Prozentsatz Gesunder, deren Profil in Muster und Niveau zusammen mindestens so ungewöhnlich ist. Keines von beiden sagt, welcher Wert dafür verantwortlich ist.</translation>
    </message>
    <message>
        <source>Pairs of scores are tested as a family with %1.</source>
        <translation>Die Paare von Werten werden als Familie geprüft, mit %1.</translation>
    </message>
    <message>
        <source>p adj.</source>
        <translation>p korr.</translation>
    </message>
    <message>
        <source>%1 of %2 differences are significant at alpha %3, two-tailed. D: score 1 minus score 2 on the %4 scale.</source>
        <translation>%1 von %2 Differenzen sind bei α = %3 (zweiseitig) signifikant. D: Wert 1 minus Wert 2 auf der Skala %4.</translation>
    </message>
    <message>
        <source>Crit.: the difference significance needs.</source>
        <translation>Krit.: kritische Differenz.</translation>
    </message>
    <message>
        <source>Tested as a family with %1; p adj.: the two-tailed p so adjusted, and a difference is significant where it is at most alpha.</source>
        <translation>Als Familie geprüft mit %1; p korr.: das so korrigierte zweiseitige p; eine Differenz ist signifikant, wo es höchstens α beträgt.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>battery::BatteryWnd</name>
    <message>
        <source>In %1, %2 runs past %3 characters; the first %3 are open. Save asks for a new file name, so that the file keeps the whole text.</source>
        <translation>In %1 ist %2 länger als %3 Zeichen; die ersten %3 sind geöffnet. Speichern fragt nach einem neuen Dateinamen, damit die Datei den ganzen Text behält.</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Testbatterie</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>One score a row: name, scale, score, and its reliability, retest, practice change and group. The columns after Group are worked out. Type in the last row to add a score; Tab moves to the next cell, Ctrl+Tab out of the table.</source>
        <translation>Ein Wert je Zeile: Name, Skala, Wert sowie Reliabilität, Retest, Übungseffekt und Gruppe. Die Spalten nach Gruppe werden berechnet. In der letzten Zeile schreiben fügt einen Wert hinzu; Tab geht zur nächsten Zelle, Strg+Tab aus der Tabelle hinaus.</translation>
    </message>
    <message>
        <source>Differences between pairs of scores</source>
        <translation>Differenzen zwischen Wertepaaren</translation>
    </message>
    <message>
        <source>S&amp;ignificant only</source>
        <translation>Nur &amp;signifikante</translation>
    </message>
    <message>
        <source>Show only the pairs whose difference is larger than measurement error.</source>
        <translation>Nur die Paare zeigen, deren Differenz größer ist als der Messfehler.</translation>
    </message>
    <message>
        <source>Composites</source>
        <translation>Kompositwerte</translation>
    </message>
    <message>
        <source>Profile chart</source>
        <translation>Profildiagramm</translation>
    </message>
    <message>
        <source>How it was reached</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Cop&amp;y Explanation</source>
        <translation>Rechenwe&amp;g kopieren</translation>
    </message>
    <message>
        <source>Copy how the selected figure was reached.</source>
        <translation>Den Rechenweg des gewählten Werts kopieren.</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>&amp;Metric:</source>
        <translation>&amp;Metrik:</translation>
    </message>
    <message>
        <source>Co&amp;nfidence:</source>
        <translation>Ko&amp;nfidenzniveau:</translation>
    </message>
    <message>
        <source>Me&amp;thod:</source>
        <translation>Me&amp;thode:</translation>
    </message>
    <message>
        <source>&amp;Descriptors:</source>
        <translation>&amp;Klassifikation:</translation>
    </message>
    <message>
        <source>&amp;Alpha:</source>
        <translation>&amp;Alpha:</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Werte</translation>
    </message>
    <message>
        <source>&amp;Pairs</source>
        <translation>&amp;Paare</translation>
    </message>
    <message>
        <source>&amp;Composites</source>
        <translation>K&amp;ompositwerte</translation>
    </message>
    <message>
        <source>H&amp;ow it was reached</source>
        <translation>Re&amp;chenweg</translation>
    </message>
    <message>
        <source>Edit Identification</source>
        <translation>Angaben zur Person ändern</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>Not worked out.</source>
        <translation>Nicht berechnet.</translation>
    </message>
    <message>
        <source>Select a worked-out figure, or a score, to see how it was reached: the formula, the numbers put in, the results on the way and the published source.</source>
        <translation>Wählen Sie einen berechneten Wert oder einen Testwert, um zu sehen, wie er zustande kam: die Formel, die eingesetzten Zahlen, die Zwischenergebnisse und die veröffentlichte Quelle.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] — Battery Sheet</source>
        <translation>%1[*] — Profilbogen</translation>
    </message>
    <message>
        <source>Clear Cells</source>
        <translation>Zellen leeren</translation>
    </message>
    <message>
        <source>Pasted here, the %1 rows would take the sheet past %2 scores. Nothing was pasted.</source>
        <translation>Hier eingefügt, brächten die %1 Zeilen den Bogen über %2 Werte. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Pasted 1 row.</source>
        <translation>1 Zeile eingefügt.</translation>
    </message>
    <message>
        <source>Pasted %1 rows.</source>
        <translation>%1 Zeilen eingefügt.</translation>
    </message>
    <message>
        <source>1 cell cannot be used; it is marked, with the reason in its tip.</source>
        <translation>1 Zelle ist nicht verwendbar; sie ist markiert, der Grund steht in ihrem Tooltip.</translation>
    </message>
    <message>
        <source>%1 cells cannot be used; they are marked, with the reason in their tips.</source>
        <translation>%1 Zellen sind nicht verwendbar; sie sind markiert, der Grund steht in ihren Tooltips.</translation>
    </message>
    <message>
        <source>Columns not used: %1.</source>
        <translation>Nicht verwendete Spalten: %1.</translation>
    </message>
    <message>
        <source>%1 cells beyond the Group column were not pasted.</source>
        <translation>%1 Zellen rechts der Spalte Gruppe wurden nicht eingefügt.</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Zeile einfügen</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation>Zeilen löschen</translation>
    </message>
    <message>
        <source>Move Row</source>
        <translation>Zeile verschieben</translation>
    </message>
    <message>
        <source>Move Rows</source>
        <translation>Zeilen verschieben</translation>
    </message>
    <message>
        <source>Battery files (*.csv);;All files (*)</source>
        <translation>Profildateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Scores that are not saved are lost.</source>
        <translation>Nicht gespeicherte Werte gehen verloren.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>Open Battery</source>
        <translation>Profil öffnen</translation>
    </message>
    <message>
        <source>%1 holds the scores of several people. The first, %2, is open. Save asks for a new file name, so that the file keeps the others.</source>
        <translation>%1 enthält die Werte mehrerer Personen. Die erste, %2, ist geöffnet. Speichern fragt nach einem neuen Dateinamen, damit die Datei die übrigen behält.</translation>
    </message>
    <message>
        <source>without a name</source>
        <translation>ohne Namen</translation>
    </message>
    <message>
        <source>Save Battery</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>%1 has changed on disk since it was opened.</source>
        <translation>%1 wurde auf dem Datenträger geändert, seit sie geöffnet wurde.</translation>
    </message>
    <message>
        <source>Overwrite it with this sheet, or save the sheet under another name and keep both?</source>
        <translation>Mit diesem Bogen überschreiben oder den Bogen unter einem anderen Namen speichern und beide behalten?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG-Grafik (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>The %1 table is on the clipboard.</source>
        <translation>Die Tabelle %1 ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>profil</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Abbildung speichern</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>%1 (mean %2, SD %3)</source>
        <translation>%1 (M = %2, SD = %3)</translation>
    </message>
    <message>
        <source>The scale every score is shown and compared on.</source>
        <translation>Die Skala, auf der alle Werte gezeigt und verglichen werden.</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>How sure each interval is meant to be. Shared with the Score Report.</source>
        <translation>Wie sicher jedes Intervall sein soll. Gilt auch für den Ergebnisbericht.</translation>
    </message>
    <message>
        <source>True score</source>
        <translation>Wahrer Wert</translation>
    </message>
    <message>
        <source>Obtained score</source>
        <translation>Beobachteter Wert</translation>
    </message>
    <message>
        <source>True score centres an interval on the estimated true score; Obtained score on the score itself. Shared with the Score Report.</source>
        <translation>Wahrer Wert legt die Mitte eines Intervalls auf den geschätzten wahren Wert, Beobachteter Wert auf den Wert selbst. Gilt auch für den Ergebnisbericht.</translation>
    </message>
    <message>
        <source>The chance, two-tailed, of calling a difference, a strength or a weakness, or a change real when it is not.</source>
        <translation>Die Wahrscheinlichkeit (zweiseitig), eine Differenz, eine Stärke oder Schwäche oder eine Veränderung für echt zu halten, obwohl sie es nicht ist.</translation>
    </message>
    <message>
        <source>&amp;Bonferroni</source>
        <translation>Bonferron&amp;i</translation>
    </message>
    <message>
        <source>Divide alpha by the number of scores when finding strengths and weaknesses.</source>
        <translation>Alpha bei der Suche nach Stärken und Schwächen durch die Zahl der Werte teilen.</translation>
    </message>
    <message>
        <source>The labels that name the range a score lies in. Custom… reads them from a CSV file with the header from,label. Shared with the Score Report.</source>
        <translation>Die Bezeichnungen für den Bereich, in dem ein Wert liegt. Eigenes… liest sie aus einer CSV-Datei mit der Kopfzeile from,label. Gilt auch für den Ergebnisbericht.</translation>
    </message>
    <message>
        <source>&amp;Load Correlations…</source>
        <translation>Korrelationen &amp;laden…</translation>
    </message>
    <message>
        <source>Read the correlations between the scores from a CSV file: they give base rates and composites.</source>
        <translation>Die Korrelationen zwischen den Werten aus einer CSV-Datei lesen: Sie ergeben Basisraten und Kompositwerte.</translation>
    </message>
    <message>
        <source>Remove correlations</source>
        <translation>Korrelationen entfernen</translation>
    </message>
    <message>
        <source>Work on without the correlations.</source>
        <translation>Ohne die Korrelationen weiterrechnen.</translation>
    </message>
    <message>
        <source>Custom: %1</source>
        <translation>Eigenes: %1</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Eigenes…</translation>
    </message>
    <message>
        <source>Descriptor System</source>
        <translation>Klassifikationssystem</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Load Correlations</source>
        <translation>Korrelationen laden</translation>
    </message>
    <message>
        <source>No correlations: no base rates, no composites.</source>
        <translation>Keine Korrelationen: keine Basisraten, keine Kompositwerte.</translation>
    </message>
    <message>
        <source>%1: 1 pair of scores</source>
        <translation>%1: 1 Wertepaar</translation>
    </message>
    <message>
        <source>%1: %2 pairs of scores</source>
        <translation>%1: %2 Wertepaare</translation>
    </message>
    <message>
        <source>, %1 of this sheet&apos;s %2.</source>
        <translation>, %1 der %2 Paare dieses Bogens.</translation>
    </message>
    <message>
        <source>Not in the file: %1.</source>
        <translation>Nicht in der Datei: %1.</translation>
    </message>
    <message>
        <source>, %1 of this sheet&apos;s %1.</source>
        <comment>every pair known</comment>
        <translation>, alle %1 Paare dieses Bogens.</translation>
    </message>
    <message>
        <source>the sheet&apos;s own file</source>
        <translation>die eigene Datei des Profilbogens</translation>
    </message>
    <message>
        <source>the correlation file the sheet uses</source>
        <translation>die Korrelationsdatei, die der Profilbogen verwendet</translation>
    </message>
    <message>
        <source>the descriptor file the sheet uses</source>
        <translation>die Bezeichnungsdatei, die der Profilbogen verwendet</translation>
    </message>
    <message>
        <source>Names of the scores</source>
        <translation>Namen der Werte</translation>
    </message>
    <message>
        <source>Cell problem</source>
        <translation>Problem der Zelle</translation>
    </message>
    <message>
        <source>Unnamed person</source>
        <translation>Person ohne Namen</translation>
    </message>
    <message>
        <source>%1% intervals centred on the estimated true score</source>
        <translation>%1-%-Intervalle um den geschätzten wahren Wert</translation>
    </message>
    <message>
        <source>%1% intervals centred on the obtained score</source>
        <translation>%1-%-Intervalle um den beobachteten Wert</translation>
    </message>
    <message>
        <source>%1: %2 scores, %3, alpha %4</source>
        <translation>%1: %2-Werte, %3, Alpha %4</translation>
    </message>
    <message>
        <source>Export Document</source>
        <translation>Als Textdokument exportieren</translation>
    </message>
    <message>
        <source>OpenDocument text (*.odt)</source>
        <translation>OpenDocument-Text (*.odt)</translation>
    </message>
    <message>
        <source>Correlation &amp;Grid…</source>
        <translation>Korrelationsmatri&amp;x…</translation>
    </message>
    <message>
        <source>Edit correlations</source>
        <translation>Korrelationen bearbeiten</translation>
    </message>
    <message>
        <source>Type or paste the correlations between this sheet&apos;s scores and save them as a CSV file.</source>
        <translation>Die Korrelationen zwischen den Werten dieses Blatts eingeben oder einfügen und als CSV-Datei speichern.</translation>
    </message>
    <message>
        <source>Correlations need two scores with names on the sheet.</source>
        <translation>Korrelationen brauchen zwei Werte mit Namen auf dem Blatt.</translation>
    </message>
    <message>
        <source>Case against controls</source>
        <translation>Fall gegen Kontrollen</translation>
    </message>
    <message>
        <source>Change by:</source>
        <translation>Veränderung nach:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>RCI</source>
        <translation>RCI</translation>
    </message>
    <message>
        <source>SRB z</source>
        <translation>SRB-z</translation>
    </message>
    <message>
        <source>Crawford-Garthwaite t</source>
        <translation>Crawford-Garthwaite-t</translation>
    </message>
    <message>
        <source>What decides a reliable gain or loss. Automatic: the regression&apos;s t for a score with a retest study, the RCI without. The regression methods need the study&apos;s columns: its means and SDs at both testings, r12 and N.</source>
        <translation>Was über eine reliable Verbesserung oder Verschlechterung entscheidet. Automatisch: das t der Regression bei einem Wert mit Retest-Studie, sonst der RCI. Die Regressionsverfahren brauchen die Spalten der Studie: Mittelwerte und SDs beider Testungen, r12 und N.</translation>
    </message>
    <message>
        <source>&amp;Unload</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>How unusual is this profile?</source>
        <translation>Wie ungewöhnlich ist dieses Profil?</translation>
    </message>
    <message>
        <source>Tested with:</source>
        <translation>Geprüft mit:</translation>
    </message>
    <message>
        <source>Low below PR:</source>
        <translation>Niedrig unter PR:</translation>
    </message>
    <message>
        <source>No correction</source>
        <translation>Keine Korrektur</translation>
    </message>
    <message>
        <source>Bonferroni</source>
        <translation>Bonferroni</translation>
    </message>
    <message>
        <source>Holm</source>
        <translation>Holm</translation>
    </message>
    <message>
        <source>How the pairs of scores are tested as a family: Bonferroni divides alpha by the number of pairs; Holm&apos;s step-down correction finds at least as many differences.</source>
        <translation>Wie die Paare von Werten als Familie geprüft werden: Bonferroni teilt Alpha durch die Zahl der Paare; Holms schrittweise Korrektur findet mindestens ebenso viele Differenzen.</translation>
    </message>
    <message>
        <source>A score is low when its percentile rank lies below this.</source>
        <translation>Ein Wert ist niedrig, wenn sein Prozentrang darunter liegt.</translation>
    </message>
</context>
<context>
    <name>battery::ChartData</name>
    <message>
        <source>, interval %1 to %2</source>
        <translation>, Intervall %1 bis %2</translation>
    </message>
    <message>
        <source>, retest %1</source>
        <translation>, Retest %1</translation>
    </message>
    <message>
        <source>, a strength</source>
        <translation>, eine Stärke</translation>
    </message>
    <message>
        <source>, a weakness</source>
        <translation>, eine Schwäche</translation>
    </message>
    <message>
        <source>The profile chart: each score on the %1 scale, in the order of the scores table, the scores of a group together.</source>
        <translation>Das Profildiagramm: jeder Wert auf der Skala %1, in der Reihenfolge der Wertetabelle, die Werte einer Gruppe beieinander.</translation>
    </message>
</context>
<context>
    <name>battery::CorrelationGrid</name>
    <message>
        <source>Correlations</source>
        <translation>Korrelationen</translation>
    </message>
    <message>
        <source>Type or paste the correlations below the diagonal; above it they are mirrored.</source>
        <translation>Die Korrelationen unterhalb der Diagonale eingeben oder einfügen; oberhalb werden sie gespiegelt.</translation>
    </message>
    <message>
        <source>“%1” is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Nothing pasted: %1, %2: %3</source>
        <translation>Nichts eingefügt: %1, %2: %3</translation>
    </message>
    <message>
        <source>These correlations cannot hold together (their matrix is not positive semi-definite): %1.</source>
        <translation>Diese Korrelationen können nicht zusammen bestehen (ihre Matrix ist nicht positiv semidefinit): %1.</translation>
    </message>
    <message>
        <source>%1 was not saved: %2</source>
        <translation>%1 wurde nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>Saved as %1; the sheet uses these correlations.</source>
        <translation>Gespeichert als %1; das Blatt verwendet diese Korrelationen.</translation>
    </message>
    <message>
        <source>Load Correlations</source>
        <translation>Korrelationen laden</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Correlations</source>
        <translation>Korrelationen speichern</translation>
    </message>
    <message>
        <source>correlations.csv</source>
        <translation>korrelationen.csv</translation>
    </message>
    <message>
        <source>%1 is not a correlation: it lies outside %2 to 1.</source>
        <translation>%1 ist keine Korrelation: der Wert liegt außerhalb von %2 bis 1.</translation>
    </message>
    <message>
        <source>Save the changes to the correlations?</source>
        <translation>Die Änderungen an den Korrelationen speichern?</translation>
    </message>
    <message>
        <source>Correlations that are not saved are lost.</source>
        <translation>Nicht gespeicherte Korrelationen gehen verloren.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
</context>
<context>
    <name>battery::ExplanationText</name>
    <message>
        <source>RCI = (%1 &amp;minus; z &amp;minus; practice / SD) / &amp;radic;(2 (1 &amp;minus; r))</source>
        <translation>RCI = (%1 &amp;minus; z &amp;minus; Übung / SD) / &amp;radic;(2 (1 &amp;minus; r))</translation>
    </message>
    <message>
        <source>retest</source>
        <translation>Retest</translation>
    </message>
    <message>
        <source>z of a score</source>
        <translation>z eines Werts</translation>
    </message>
    <message>
        <source>z of a percentile</source>
        <translation>z eines Perzentils</translation>
    </message>
    <message>
        <source>Score on the common metric</source>
        <translation>Wert auf der gemeinsamen Metrik</translation>
    </message>
    <message>
        <source>Percentile rank</source>
        <translation>Prozentrang</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Klassifikation</translation>
    </message>
    <message>
        <source>Confidence interval around the estimated true score</source>
        <translation>Konfidenzintervall um den geschätzten wahren Wert</translation>
    </message>
    <message>
        <source>Confidence interval around the obtained score</source>
        <translation>Konfidenzintervall um den beobachteten Wert</translation>
    </message>
    <message>
        <source>Difference of two scores</source>
        <translation>Differenz zweier Werte</translation>
    </message>
    <message>
        <source>Standard error of a difference</source>
        <translation>Standardfehler einer Differenz</translation>
    </message>
    <message>
        <source>Critical difference</source>
        <translation>Kritische Differenz</translation>
    </message>
    <message>
        <source>Significance of a difference</source>
        <translation>Signifikanz einer Differenz</translation>
    </message>
    <message>
        <source>Base rate of a difference</source>
        <translation>Basisrate einer Differenz</translation>
    </message>
    <message>
        <source>Deviation from the person&apos;s mean</source>
        <translation>Abweichung vom Mittelwert der Person</translation>
    </message>
    <message>
        <source>Standard error of a deviation</source>
        <translation>Standardfehler einer Abweichung</translation>
    </message>
    <message>
        <source>Critical deviation</source>
        <translation>Kritische Abweichung</translation>
    </message>
    <message>
        <source>Strength or weakness</source>
        <translation>Stärke oder Schwäche</translation>
    </message>
    <message>
        <source>Base rate of a deviation</source>
        <translation>Basisrate einer Abweichung</translation>
    </message>
    <message>
        <source>Reliable change index</source>
        <translation>Reliable-Change-Index</translation>
    </message>
    <message>
        <source>Reliable change index with practice effect</source>
        <translation>Reliable-Change-Index mit Übungseffekt</translation>
    </message>
    <message>
        <source>Reliable change</source>
        <translation>Reliable Veränderung</translation>
    </message>
    <message>
        <source>Composite score</source>
        <translation>Kompositwert</translation>
    </message>
    <message>
        <source>Reliability of a composite</source>
        <translation>Reliabilität eines Kompositwerts</translation>
    </message>
    <message>
        <source>Score as given</source>
        <translation>Wert, wie eingegeben</translation>
    </message>
    <message>
        <source>z of a percentile, approximated</source>
        <translation>z eines Perzentils, genähert</translation>
    </message>
    <message>
        <source>Band on the metric</source>
        <translation>Stufe auf der Metrik</translation>
    </message>
    <message>
        <source>Percentile, approximated</source>
        <translation>Perzentil, genähert</translation>
    </message>
    <message>
        <source>score = %1 + %2 &amp;middot; z, rounded as the metric&apos;s scores are, held at its limits</source>
        <translation>Wert = %1 + %2 &amp;middot; z, gerundet wie die Werte der Metrik, auf ihre Grenzen begrenzt</translation>
    </message>
    <message>
        <source>descriptor: the band of the descriptor system holding %1</source>
        <translation>Klassifikation: der Bereich des Klassifikationssystems, der %1 enthält</translation>
    </message>
    <message>
        <source>interval = r z &amp;plusmn; %1 &amp;radic;(r (1 &amp;minus; r)), then on the metric</source>
        <translation>Intervall = r z &amp;plusmn; %1 &amp;radic;(r (1 &amp;minus; r)), anschließend in die Metrik umgerechnet</translation>
    </message>
    <message>
        <source>interval = z &amp;plusmn; %1 &amp;radic;(1 &amp;minus; r), then on the metric</source>
        <translation>Intervall = z &amp;plusmn; %1 &amp;radic;(1 &amp;minus; r), anschließend in die Metrik umgerechnet</translation>
    </message>
    <message>
        <source>critical = %1 &amp;middot; SE</source>
        <translation>kritisch = %1 &amp;middot; SE</translation>
    </message>
    <message>
        <source>significant when |D as shown| &amp;ge; critical</source>
        <translation>signifikant, wenn |D| (gerundet) &amp;ge; kritische Differenz</translation>
    </message>
    <message>
        <source>base rate = 100 (1 &amp;minus; &amp;Phi;(|D| / (%1 &amp;radic;(2 &amp;minus; 2 %2))))</source>
        <translation>Basisrate = 100 (1 &amp;minus; &amp;Phi;(|D| / (%1 &amp;radic;(2 &amp;minus; 2 %2))))</translation>
    </message>
    <message>
        <source>deviation = (%1 &amp;minus; mean z) &amp;middot; %2</source>
        <translation>Abweichung = (%1 &amp;minus; mittleres z) &amp;middot; %2</translation>
    </message>
    <message>
        <source>critical = z at 1 &amp;minus; &amp;alpha; / (2m), times %1 = %2 &amp;radic;(&amp;Sigma;(1 &amp;minus; %3) / k&amp;sup2; + ((k &amp;minus; 2) / k)(1 &amp;minus; %4))</source>
        <translation>kritisch = z bei 1 &amp;minus; &amp;alpha; / (2m), mal %1 = %2 &amp;radic;(&amp;Sigma;(1 &amp;minus; %3) / k&amp;sup2; + ((k &amp;minus; 2) / k)(1 &amp;minus; %4))</translation>
    </message>
    <message>
        <source>S when the deviation as shown &amp;ge; critical, W when &amp;le; &amp;minus;critical</source>
        <translation>S, wenn die Abweichung (gerundet) &amp;ge; kritische Abweichung, W, wenn &amp;le; &amp;minus;kritische Abweichung</translation>
    </message>
    <message>
        <source>base rate = 100 (1 &amp;minus; &amp;Phi;(|deviation| / (%1 &amp;radic;(1 &amp;minus; 2 %2 + r&amp;#772;))))</source>
        <translation>Basisrate = 100 (1 &amp;minus; &amp;Phi;(|Abweichung| / (%1 &amp;radic;(1 &amp;minus; 2 %2 + r&amp;#772;))))</translation>
    </message>
    <message>
        <source>reliable gain when RCI &amp;ge; %1, reliable loss when RCI &amp;le; &amp;minus;%1</source>
        <translation>reliable Verbesserung, wenn RCI &amp;ge; %1, reliable Verschlechterung, wenn RCI &amp;le; &amp;minus;%1</translation>
    </message>
    <message>
        <source>%1 = &amp;Sigma;%2 / &amp;radic;(k + 2 &amp;Sigma;%3), then on the metric</source>
        <translation>%1 = &amp;Sigma;%2 / &amp;radic;(k + 2 &amp;Sigma;%3), anschließend in die Metrik umgerechnet</translation>
    </message>
    <message>
        <source>X, as given</source>
        <translation>X, wie eingegeben</translation>
    </message>
    <message>
        <source>z = &amp;Phi;&lt;sup&gt;&amp;minus;1&lt;/sup&gt;(P / 100), by a rational approximation</source>
        <translation>z = &amp;Phi;&lt;sup&gt;&amp;minus;1&lt;/sup&gt;(P / 100), mit einer rationalen Näherung</translation>
    </message>
    <message>
        <source>the band holding %1 + %2 &amp;middot; z, halves up</source>
        <translation>die Stufe, die %1 + %2 &amp;middot; z enthält, Hälften aufgerundet</translation>
    </message>
    <message>
        <source>100 &amp;middot; &amp;Phi;(z) by a polynomial approximation, whole, held at 1 and 99</source>
        <translation>100 &amp;middot; &amp;Phi;(z) mit einer Polynomnäherung, ganzzahlig, auf 1 und 99 begrenzt</translation>
    </message>
    <message>
        <source>score as given</source>
        <translation>Wert, wie eingegeben</translation>
    </message>
    <message>
        <source>mean of its scale</source>
        <translation>Mittelwert seiner Skala</translation>
    </message>
    <message>
        <source>SD of its scale</source>
        <translation>SD seiner Skala</translation>
    </message>
    <message>
        <source>percentile as given</source>
        <translation>Perzentil, wie eingegeben</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>mean of the metric</source>
        <translation>Mittelwert der Metrik</translation>
    </message>
    <message>
        <source>SD of the metric</source>
        <translation>SD der Metrik</translation>
    </message>
    <message>
        <source>on the metric, before rounding</source>
        <translation>auf der Metrik, vor dem Runden</translation>
    </message>
    <message>
        <source>percentile rank</source>
        <translation>Prozentrang</translation>
    </message>
    <message>
        <source>standard score</source>
        <translation>Standardwert</translation>
    </message>
    <message>
        <source>lowest standard score of the band</source>
        <translation>niedrigster Standardwert des Bereichs</translation>
    </message>
    <message>
        <source>reliability</source>
        <translation>Reliabilität</translation>
    </message>
    <message>
        <source>confidence, %</source>
        <translation>Konfidenz, %</translation>
    </message>
    <message>
        <source>alpha, two-tailed</source>
        <translation>Alpha, zweiseitig</translation>
    </message>
    <message>
        <source>comparisons (Bonferroni)</source>
        <translation>Vergleiche (Bonferroni)</translation>
    </message>
    <message>
        <source>critical z</source>
        <translation>kritisches z</translation>
    </message>
    <message>
        <source>estimated true score, in z</source>
        <translation>geschätzter wahrer Wert, in z</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>Standardfehler</translation>
    </message>
    <message>
        <source>half width, in z</source>
        <translation>halbe Breite, in z</translation>
    </message>
    <message>
        <source>lower bound</source>
        <translation>untere Grenze</translation>
    </message>
    <message>
        <source>upper bound</source>
        <translation>obere Grenze</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>correlation</source>
        <translation>Korrelation</translation>
    </message>
    <message>
        <source>SD of the difference in the population</source>
        <translation>SD der Differenz in der Population</translation>
    </message>
    <message>
        <source>as the table shows it</source>
        <translation>wie die Tabelle sie zeigt</translation>
    </message>
    <message>
        <source>critical value</source>
        <translation>kritischer Wert</translation>
    </message>
    <message>
        <source>base rate, %</source>
        <translation>Basisrate, %</translation>
    </message>
    <message>
        <source>scores with a reliability</source>
        <translation>Werte mit Reliabilität</translation>
    </message>
    <message>
        <source>their mean z</source>
        <translation>ihr mittleres z</translation>
    </message>
    <message>
        <source>deviation</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>sum of 1 − r over them</source>
        <translation>Summe von 1 − r über sie</translation>
    </message>
    <message>
        <source>mean correlation of the score with the others</source>
        <translation>mittlere Korrelation des Werts mit den anderen</translation>
    </message>
    <message>
        <source>mean of all their correlations</source>
        <translation>Mittel aller ihrer Korrelationen</translation>
    </message>
    <message>
        <source>retest as given</source>
        <translation>Retest, wie eingegeben</translation>
    </message>
    <message>
        <source>retest z</source>
        <translation>Retest-z</translation>
    </message>
    <message>
        <source>expected practice change</source>
        <translation>erwarteter Übungseffekt</translation>
    </message>
    <message>
        <source>standard error of the change, in z</source>
        <translation>Standardfehler der Veränderung, in z</translation>
    </message>
    <message>
        <source>reliable change index</source>
        <translation>Reliable-Change-Index</translation>
    </message>
    <message>
        <source>sum of the z scores</source>
        <translation>Summe der z-Werte</translation>
    </message>
    <message>
        <source>sum of the correlations</source>
        <translation>Summe der Korrelationen</translation>
    </message>
    <message>
        <source>sum of the reliabilities</source>
        <translation>Summe der Reliabilitäten</translation>
    </message>
    <message>
        <source>SD of the sum</source>
        <translation>SD der Summe</translation>
    </message>
    <message>
        <source>composite z</source>
        <translation>z des Kompositwerts</translation>
    </message>
    <message>
        <source>decision</source>
        <translation>Entscheidung</translation>
    </message>
    <message>
        <source>highest standard score of the band</source>
        <translation>höchster Standardwert des Bereichs</translation>
    </message>
    <message>
        <source>approximated percentile, before it is rounded</source>
        <translation>genähertes Perzentil, vor dem Runden</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>nicht bekannt</translation>
    </message>
    <message>
        <source>significant</source>
        <translation>signifikant</translation>
    </message>
    <message>
        <source>not significant</source>
        <translation>nicht signifikant</translation>
    </message>
    <message>
        <source>S, a strength</source>
        <translation>S, eine Stärke</translation>
    </message>
    <message>
        <source>W, a weakness</source>
        <translation>W, eine Schwäche</translation>
    </message>
    <message>
        <source>neither</source>
        <translation>keines von beiden</translation>
    </message>
    <message>
        <source>reliable gain</source>
        <translation>reliable Verbesserung</translation>
    </message>
    <message>
        <source>reliable loss</source>
        <translation>reliable Verschlechterung</translation>
    </message>
    <message>
        <source>no reliable change</source>
        <translation>keine reliable Veränderung</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>%1 − %2</source>
        <translation>%1 − %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>Worked out on the way</source>
        <translation>Zwischenergebnisse</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>%1, shown as &lt;b&gt;%2&lt;/b&gt;.</source>
        <translation>%1, angezeigt als &lt;b&gt;%2&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>%1 + %2 z, rounded half away from zero</source>
        <translation>gerundet(%1 + %2 z)</translation>
    </message>
    <message>
        <source>Within the comparison set %1: its scores with a reliability only.</source>
        <translation>Innerhalb des Vergleichssets %1: nur dessen Werte mit Reliabilität.</translation>
    </message>
    <message>
        <source>Retest predicted by regression</source>
        <translation>Durch Regression vorhergesagter Retest</translation>
    </message>
    <message>
        <source>Standardized regression-based change</source>
        <translation>Standardisierte regressionsbasierte Veränderung</translation>
    </message>
    <message>
        <source>Change against a regression, as a t</source>
        <translation>Veränderung gegenüber einer Regression, als t</translation>
    </message>
    <message>
        <source>One-tailed p</source>
        <translation>Einseitiges p</translation>
    </message>
    <message>
        <source>Estimated percent of people beyond the score</source>
        <translation>Geschätzter Prozentsatz der Personen jenseits des Werts</translation>
    </message>
    <message>
        <source>Interval of the percent, from the non-central t</source>
        <translation>Intervall des Prozentsatzes, aus der nichtzentralen t-Verteilung</translation>
    </message>
    <message>
        <source>Reliable change by regression</source>
        <translation>Reliable Veränderung nach Regression</translation>
    </message>
    <message>
        <source>Reliable change by regression, t test</source>
        <translation>Reliable Veränderung nach Regression, t-Test</translation>
    </message>
    <message>
        <source>A score against a control sample, as a t</source>
        <translation>Ein Wert gegen eine Kontrollgruppe, als t</translation>
    </message>
    <message>
        <source>z of a score against a control sample</source>
        <translation>z eines Werts gegenüber einer Kontrollgruppe</translation>
    </message>
    <message>
        <source>Interval of that z, from the non-central t</source>
        <translation>Intervall dieses z, aus der nichtzentralen t-Verteilung</translation>
    </message>
    <message>
        <source>Interval of the percent of controls beyond the score</source>
        <translation>Intervall des Prozentsatzes der Kontrollpersonen jenseits des Werts</translation>
    </message>
    <message>
        <source>b = %1 %2 / %3, a = %4 &amp;minus; b %5, predicted retest = a + b X</source>
        <translation>b = %1 %2 / %3, a = %4 &amp;minus; b %5, vorhergesagter Retest = a + b X</translation>
    </message>
    <message>
        <source>z = (retest &amp;minus; predicted) / SEE, SEE = %1 &amp;radic;(1 &amp;minus; %2&amp;sup2;)</source>
        <translation>z = (Retest &amp;minus; Vorhersage) / SEE, SEE = %1 &amp;radic;(1 &amp;minus; %2&amp;sup2;)</translation>
    </message>
    <message>
        <source>t = (retest &amp;minus; predicted) / s, N &amp;minus; 2 df; s = %1 &amp;radic;(1 + &amp;theta;), %1 = %2 &amp;radic;((1 &amp;minus; %3&amp;sup2;)(N &amp;minus; 1) / (N &amp;minus; 2)), &amp;theta; = 1/N + (X &amp;minus; %4)&amp;sup2; / (%5&amp;sup2; (N &amp;minus; 1))</source>
        <translation>t = (Retest &amp;minus; Vorhersage) / s, N &amp;minus; 2 df; s = %1 &amp;radic;(1 + &amp;theta;), %1 = %2 &amp;radic;((1 &amp;minus; %3&amp;sup2;)(N &amp;minus; 1) / (N &amp;minus; 2)), &amp;theta; = 1/N + (X &amp;minus; %4)&amp;sup2; / (%5&amp;sup2; (N &amp;minus; 1))</translation>
    </message>
    <message>
        <source>p = P(T &amp;gt; |t|) with the t&apos;s df, or 1 &amp;minus; &amp;Phi;(|z|) for a z: one-tailed, in the direction of the figure</source>
        <translation>p = P(T &amp;gt; |t|) mit den df des t, bei einem z 1 &amp;minus; &amp;Phi;(|z|): einseitig, in Richtung der Kennzahl</translation>
    </message>
    <message>
        <source>percent = 100 p</source>
        <translation>Prozent = 100 p</translation>
    </message>
    <message>
        <source>the non-central t with N &amp;minus; 2 df puts (retest &amp;minus; predicted) / (%1 &amp;radic;&amp;theta;) at .975 and .025 for two values of its noncentrality &amp;lambda;, found by root finding; the bounds are 100 (1 &amp;minus; &amp;Phi;(&amp;lambda; &amp;radic;&amp;theta;)) for a gain, 100 &amp;Phi;(&amp;lambda; &amp;radic;&amp;theta;) for a loss</source>
        <translation>die nichtzentrale t-Verteilung mit N &amp;minus; 2 df legt (Retest &amp;minus; Vorhersage) / (%1 &amp;radic;&amp;theta;) für zwei Werte ihres Nichtzentralitätsparameters &amp;lambda;, durch Nullstellensuche gefunden, auf ,975 und ,025; die Grenzen sind 100 (1 &amp;minus; &amp;Phi;(&amp;lambda; &amp;radic;&amp;theta;)) bei einer Verbesserung, 100 &amp;Phi;(&amp;lambda; &amp;radic;&amp;theta;) bei einer Verschlechterung</translation>
    </message>
    <message>
        <source>reliable gain when z as shown &amp;ge; %1, reliable loss when z &amp;le; &amp;minus;%1</source>
        <translation>reliable Verbesserung bei angezeigtem z &amp;ge; %1, reliable Verschlechterung bei z &amp;le; &amp;minus;%1</translation>
    </message>
    <message>
        <source>reliable gain when t as shown &amp;ge; %1, reliable loss when t &amp;le; &amp;minus;%1, %1 the two-tailed critical t at &amp;alpha; with N &amp;minus; 2 df, rounded up to the t&apos;s decimals</source>
        <translation>reliable Verbesserung bei angezeigtem t &amp;ge; %1, reliable Verschlechterung bei t &amp;le; &amp;minus;%1; %1 ist das zweiseitige kritische t bei &amp;alpha; mit N &amp;minus; 2 df, auf die Nachkommastellen des t aufgerundet</translation>
    </message>
    <message>
        <source>t = (X &amp;minus; M) / (SD &amp;radic;((n + 1) / n)), n &amp;minus; 1 df</source>
        <translation>t = (X &amp;minus; M) / (SD &amp;radic;((n + 1) / n)), n &amp;minus; 1 df</translation>
    </message>
    <message>
        <source>the non-central t with n &amp;minus; 1 df puts %1 &amp;radic;n at .975 and .025 for two values of its noncentrality &amp;lambda;, found by root finding; the bounds are &amp;lambda; / &amp;radic;n</source>
        <translation>die nichtzentrale t-Verteilung mit n &amp;minus; 1 df legt %1 &amp;radic;n für zwei Werte ihres Nichtzentralitätsparameters &amp;lambda;, durch Nullstellensuche gefunden, auf ,975 und ,025; die Grenzen sind &amp;lambda; / &amp;radic;n</translation>
    </message>
    <message>
        <source>100 &amp;Phi;(bound) of the interval of %1 below the controls&apos; mean, 100 (1 &amp;minus; &amp;Phi;(bound)) above it</source>
        <translation>100 &amp;Phi;(Grenze) des Intervalls von %1 unter dem Mittelwert der Kontrollgruppe, 100 (1 &amp;minus; &amp;Phi;(Grenze)) darüber</translation>
    </message>
    <message>
        <source>study&apos;s mean at the first testing</source>
        <translation>Mittelwert der Studie bei der ersten Testung</translation>
    </message>
    <message>
        <source>study&apos;s SD at the first testing</source>
        <translation>SD der Studie bei der ersten Testung</translation>
    </message>
    <message>
        <source>study&apos;s mean at the retest</source>
        <translation>Mittelwert der Studie beim Retest</translation>
    </message>
    <message>
        <source>study&apos;s SD at the retest</source>
        <translation>SD der Studie beim Retest</translation>
    </message>
    <message>
        <source>study&apos;s size</source>
        <translation>Größe der Studie</translation>
    </message>
    <message>
        <source>slope</source>
        <translation>Steigung</translation>
    </message>
    <message>
        <source>intercept</source>
        <translation>Achsenabschnitt</translation>
    </message>
    <message>
        <source>predicted retest</source>
        <translation>vorhergesagter Retest</translation>
    </message>
    <message>
        <source>standard error of estimate</source>
        <translation>Standardschätzfehler</translation>
    </message>
    <message>
        <source>SD about the regression line, N − 2 df</source>
        <translation>SD um die Regressionsgerade, N − 2 df</translation>
    </message>
    <message>
        <source>share of the prediction&apos;s own error</source>
        <translation>Anteil des Fehlers der Vorhersage selbst</translation>
    </message>
    <message>
        <source>standard error of the discrepancy</source>
        <translation>Standardfehler der Abweichung</translation>
    </message>
    <message>
        <source>regression-based change z</source>
        <translation>regressionsbasiertes Veränderungs-z</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>degrees of freedom</source>
        <translation>Freiheitsgrade</translation>
    </message>
    <message>
        <source>p, one-tailed</source>
        <translation>p, einseitig</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>controls&apos; mean</source>
        <translation>Mittelwert der Kontrollgruppe</translation>
    </message>
    <message>
        <source>controls&apos; SD</source>
        <translation>SD der Kontrollgruppe</translation>
    </message>
    <message>
        <source>number of controls</source>
        <translation>Größe der Kontrollgruppe</translation>
    </message>
    <message>
        <source>z against the controls</source>
        <translation>z gegenüber der Kontrollgruppe</translation>
    </message>
    <message>
        <source>noncentrality at a bound</source>
        <translation>Nichtzentralität an einer Grenze</translation>
    </message>
    <message>
        <source>critical t</source>
        <translation>kritisches t</translation>
    </message>
    <message>
        <source>p of a difference, two-tailed</source>
        <translation>p einer Differenz, zweiseitig</translation>
    </message>
    <message>
        <source>p adjusted by Bonferroni&apos;s correction</source>
        <translation>p, nach Bonferroni korrigiert</translation>
    </message>
    <message>
        <source>p adjusted by Holm&apos;s step-down correction</source>
        <translation>p, nach Holms schrittweiser Korrektur korrigiert</translation>
    </message>
    <message>
        <source>Significance of a difference under Holm&apos;s correction</source>
        <translation>Signifikanz einer Differenz mit Holms Korrektur</translation>
    </message>
    <message>
        <source>Base rate of a difference, either direction</source>
        <translation>Basisrate einer Differenz, beide Richtungen</translation>
    </message>
    <message>
        <source>Base rate of a deviation, either direction</source>
        <translation>Basisrate einer Abweichung, beide Richtungen</translation>
    </message>
    <message>
        <source>Low scores</source>
        <translation>Niedrige Werte</translation>
    </message>
    <message>
        <source>Healthy people with as many low scores, exact</source>
        <translation>Gesunde mit ebenso vielen niedrigen Werten, exakt</translation>
    </message>
    <message>
        <source>Healthy people with as many low scores, by Monte Carlo</source>
        <translation>Gesunde mit ebenso vielen niedrigen Werten, nach Monte Carlo</translation>
    </message>
    <message>
        <source>Mahalanobis distance of the profile</source>
        <translation>Mahalanobis-Distanz des Profils</translation>
    </message>
    <message>
        <source>Healthy people with a profile as unusual</source>
        <translation>Gesunde mit einem ebenso ungewöhnlichen Profil</translation>
    </message>
    <message>
        <source>p = 2 (1 &amp;minus; &amp;Phi;(|D as shown| / SE))</source>
        <translation>p = 2 (1 &amp;minus; &amp;Phi;(|D| (gerundet) / SE))</translation>
    </message>
    <message>
        <source>%1 = min(1, m &amp;middot; p), m the pairs tested</source>
        <translation>%1 = min(1, m &amp;middot; p), m die geprüften Paare</translation>
    </message>
    <message>
        <source>with the m p values ranked from the smallest, %1 of rank i = the largest of min(1, (m &amp;minus; j + 1) %2) over j &amp;le; i</source>
        <translation>mit den m p-Werten aufsteigend geordnet: %1 des Rangs i = das größte min(1, (m &amp;minus; j + 1) %2) über j &amp;le; i</translation>
    </message>
    <message>
        <source>significant when %1 as shown &amp;le; &amp;alpha;; no single critical value decides</source>
        <translation>signifikant, wenn %1 (gerundet) &amp;le; &amp;alpha;; kein einzelner kritischer Wert entscheidet</translation>
    </message>
    <message>
        <source>base rate in either direction = min(100, 2 &amp;middot; base rate in the same direction)</source>
        <translation>Basisrate in beide Richtungen = min(100, 2 &amp;middot; Basisrate in derselben Richtung)</translation>
    </message>
    <message>
        <source>j = the number of scores with a percentile rank below the cut-off P, that is z &amp;lt; %1</source>
        <translation>j = die Zahl der Werte mit einem Prozentrang unter dem Grenzwert P, also z &amp;lt; %1</translation>
    </message>
    <message>
        <source>base rate = 100 &amp;Sigma;&lt;sub&gt;i &amp;ge; j&lt;/sub&gt; C(k, i) p&lt;sup&gt;i&lt;/sup&gt; (1 &amp;minus; p)&lt;sup&gt;k &amp;minus; i&lt;/sup&gt;, p = P / 100: with no correlation among the scores, the count is binomial</source>
        <translation>Basisrate = 100 &amp;Sigma;&lt;sub&gt;i &amp;ge; j&lt;/sub&gt; C(k, i) p&lt;sup&gt;i&lt;/sup&gt; (1 &amp;minus; p)&lt;sup&gt;k &amp;minus; i&lt;/sup&gt;, p = P / 100: ohne Korrelation zwischen den Werten ist die Anzahl binomialverteilt</translation>
    </message>
    <message>
        <source>base rate = 100 &amp;middot; the share of N simulated healthy profiles z = L e (R = L L&amp;prime;, e standard normal, a fixed seed) with j or more scores below the cut-off; its SE = 100 &amp;radic;(q (1 &amp;minus; q) / N)</source>
        <translation>Basisrate = 100 &amp;middot; der Anteil von N simulierten gesunden Profilen z = L e (R = L L&amp;prime;, e standardnormalverteilt, fester Startwert) mit j oder mehr Werten unter dem Grenzwert; ihr SE = 100 &amp;radic;(q (1 &amp;minus; q) / N)</translation>
    </message>
    <message>
        <source>D&amp;sup2; = z&amp;prime; R&lt;sup&gt;&amp;minus;1&lt;/sup&gt; z: how unusual the pattern and the level are together, not which score is at fault</source>
        <translation>D&amp;sup2; = z&amp;prime; R&lt;sup&gt;&amp;minus;1&lt;/sup&gt; z: wie ungewöhnlich Muster und Niveau zusammen sind, nicht welcher Wert dafür verantwortlich ist</translation>
    </message>
    <message>
        <source>base rate = 100 (1 &amp;minus; %1(D&amp;sup2;)), df = k</source>
        <translation>Basisrate = 100 (1 &amp;minus; %1(D&amp;sup2;)), df = k</translation>
    </message>
    <message>
        <source>p, two-tailed</source>
        <translation>p, zweiseitig</translation>
    </message>
    <message>
        <source>adjusted p</source>
        <translation>korrigiertes p</translation>
    </message>
    <message>
        <source>rank of the p, smallest first</source>
        <translation>Rang des p, kleinstes zuerst</translation>
    </message>
    <message>
        <source>cut-off percentile for a low score</source>
        <translation>Grenz-Prozentrang für einen niedrigen Wert</translation>
    </message>
    <message>
        <source>cut-off as z</source>
        <translation>Grenzwert als z</translation>
    </message>
    <message>
        <source>low scores</source>
        <translation>niedrige Werte</translation>
    </message>
    <message>
        <source>simulated profiles</source>
        <translation>simulierte Profile</translation>
    </message>
    <message>
        <source>Mahalanobis distance squared</source>
        <translation>quadrierte Mahalanobis-Distanz</translation>
    </message>
</context>
<context>
    <name>battery::ProfileChart</name>
    <message>
        <source>score</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>retest</source>
        <translation>Retest</translation>
    </message>
    <message>
        <source>%1% interval</source>
        <translation>%1-%-Intervall</translation>
    </message>
    <message>
        <source>the person&apos;s mean, %1</source>
        <translation>Mittelwert der Person, %1</translation>
    </message>
    <message>
        <source>S strength, W weakness</source>
        <translation>S = Stärke, W = Schwäche</translation>
    </message>
    <message>
        <source>Percentile rank</source>
        <translation>Prozentrang</translation>
    </message>
    <message>
        <source>the mean of each set</source>
        <translation>Mittelwert jedes Vergleichssets</translation>
    </message>
</context>
<context>
    <name>battery::ResultsTables</name>
    <message>
        <source>Score 1</source>
        <translation>Wert 1</translation>
    </message>
    <message>
        <source>Score 2</source>
        <translation>Wert 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <source>Significant</source>
        <translation>Signifikant</translation>
    </message>
    <message>
        <source>Base rate %</source>
        <translation>Basisrate %</translation>
    </message>
    <message>
        <source>Score 1 minus score 2, on the common metric</source>
        <translation>Wert 1 minus Wert 2, auf der gemeinsamen Metrik</translation>
    </message>
    <message>
        <source>Standard error of the difference</source>
        <translation>Standardfehler der Differenz</translation>
    </message>
    <message>
        <source>The difference significance needs</source>
        <translation>Die Differenz, die für Signifikanz nötig ist</translation>
    </message>
    <message>
        <source>Percent of people with a difference at least this large in this direction</source>
        <translation>Prozent der Personen mit einer mindestens so großen Differenz in dieser Richtung</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Teilwerte</translation>
    </message>
    <message>
        <source>PR</source>
        <translation>PR</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Klassifikation</translation>
    </message>
    <message>
        <source>Reliability</source>
        <translation>Reliabilität</translation>
    </message>
    <message>
        <source>%1% low</source>
        <translation>KI untere Grenze (%1 %)</translation>
    </message>
    <message>
        <source>%1% high</source>
        <translation>KI obere Grenze (%1 %)</translation>
    </message>
    <message>
        <source>The composite on the common metric</source>
        <translation>Der Kompositwert auf der gemeinsamen Metrik</translation>
    </message>
    <message>
        <source>Percentile rank on the normal curve</source>
        <translation>Prozentrang auf der Normalverteilung</translation>
    </message>
    <message>
        <source>Reliability of the composite</source>
        <translation>Reliabilität des Kompositwerts</translation>
    </message>
    <message>
        <source>Lower bound of the confidence interval</source>
        <translation>Untere Grenze des Konfidenzintervalls</translation>
    </message>
    <message>
        <source>Upper bound of the confidence interval</source>
        <translation>Obere Grenze des Konfidenzintervalls</translation>
    </message>
    <message>
        <source>not computed: correlations unknown</source>
        <translation>nicht berechnet: Korrelationen unbekannt</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>df</source>
        <translation>df</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>z_CC</source>
        <translation>z_CC</translation>
    </message>
    <message>
        <source>95% low</source>
        <translation>95 % unten</translation>
    </message>
    <message>
        <source>95% high</source>
        <translation>95 % oben</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Kontrollgruppe</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>The score against the controls&apos; mean, as a t (Crawford and Howell)</source>
        <translation>Der Wert gegen den Mittelwert der Kontrollgruppe, als t (Crawford und Howell)</translation>
    </message>
    <message>
        <source>Degrees of freedom: controls less one</source>
        <translation>Freiheitsgrade: Größe der Kontrollgruppe minus eins</translation>
    </message>
    <message>
        <source>One-tailed p, in the direction of the score</source>
        <translation>Einseitiges p, in Richtung des Werts</translation>
    </message>
    <message>
        <source>The score&apos;s z against the controls</source>
        <translation>Das z des Werts gegenüber der Kontrollgruppe</translation>
    </message>
    <message>
        <source>Lower bound of the z&apos;s 95% interval</source>
        <translation>Untere Grenze des 95-%-Intervalls des z</translation>
    </message>
    <message>
        <source>Upper bound of the z&apos;s 95% interval</source>
        <translation>Obere Grenze des 95-%-Intervalls des z</translation>
    </message>
    <message>
        <source>Whether the percent counts the controls below the score or above it</source>
        <translation>Ob der Prozentsatz die Kontrollpersonen unterhalb oder oberhalb des Werts zählt</translation>
    </message>
    <message>
        <source>Estimated percent of the control population beyond the score</source>
        <translation>Geschätzter Prozentsatz der Kontrollpopulation jenseits des Werts</translation>
    </message>
    <message>
        <source>Lower bound of the percent&apos;s 95% interval</source>
        <translation>Untere Grenze des 95-%-Intervalls des Prozentsatzes</translation>
    </message>
    <message>
        <source>Upper bound of the percent&apos;s 95% interval</source>
        <translation>Obere Grenze des 95-%-Intervalls des Prozentsatzes</translation>
    </message>
    <message>
        <source>above</source>
        <translation>darüber</translation>
    </message>
    <message>
        <source>below</source>
        <translation>darunter</translation>
    </message>
    <message>
        <source>Either way %</source>
        <translation>Beide Richtungen %</translation>
    </message>
    <message>
        <source>p adj.</source>
        <translation>p korr.</translation>
    </message>
    <message>
        <source>Whether the difference is larger than measurement error; pairs tested with %1</source>
        <translation>Ob die Differenz größer als der Messfehler ist; Paare geprüft mit %1</translation>
    </message>
    <message>
        <source>Percent of people with a difference at least this large in either direction</source>
        <translation>Prozent der Personen mit einer mindestens so großen Differenz in beide Richtungen</translation>
    </message>
    <message>
        <source>Two-tailed p of the difference, rounded up</source>
        <translation>Zweiseitiges p der Differenz, aufgerundet</translation>
    </message>
    <message>
        <source>p adjusted for all the pairs tested: %1</source>
        <translation>p korrigiert für alle geprüften Paare: %1</translation>
    </message>
    <message>
        <source>Bonferroni&apos;s correction</source>
        <translation>Bonferroni-Korrektur</translation>
    </message>
    <message>
        <source>Holm&apos;s correction</source>
        <translation>Holm-Korrektur</translation>
    </message>
    <message>
        <source>no correction</source>
        <translation>keiner Korrektur</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>As many low %</source>
        <translation>Ebenso viele niedrig %</translation>
    </message>
    <message>
        <source>D²</source>
        <translation>D²</translation>
    </message>
    <message>
        <source>As unusual %</source>
        <translation>Ebenso ungewöhnlich %</translation>
    </message>
    <message>
        <source>Scores in the comparison set</source>
        <translation>Werte im Vergleichsset</translation>
    </message>
    <message>
        <source>Scores below the cut-off percentile</source>
        <translation>Werte unter dem Grenz-Prozentrang</translation>
    </message>
    <message>
        <source>Percent of healthy people with as many low scores or more among these tests</source>
        <translation>Prozent der Gesunden mit ebenso vielen oder mehr niedrigen Werten in diesen Tests</translation>
    </message>
    <message>
        <source>Mahalanobis distance squared: how unusual the pattern and level are together</source>
        <translation>Quadrierte Mahalanobis-Distanz: wie ungewöhnlich Muster und Niveau zusammen sind</translation>
    </message>
    <message>
        <source>Degrees of freedom of the distance</source>
        <translation>Freiheitsgrade der Distanz</translation>
    </message>
    <message>
        <source>Percent of healthy people with a profile at least as unusual</source>
        <translation>Prozent der Gesunden mit einem mindestens so ungewöhnlichen Profil</translation>
    </message>
    <message>
        <source>(no set)</source>
        <translation>(kein Set)</translation>
    </message>
</context>
<context>
    <name>battery::ScoresModel</name>
    <message>
        <source>Type a new score here.</source>
        <translation>Hier einen neuen Wert eingeben.</translation>
    </message>
    <message>
        <source>New score</source>
        <translation>Neuer Wert</translation>
    </message>
    <message>
        <source>The score on the common metric</source>
        <translation>Der Wert auf der gemeinsamen Metrik</translation>
    </message>
    <message>
        <source>Percentile rank on the normal curve</source>
        <translation>Prozentrang auf der Normalverteilung</translation>
    </message>
    <message>
        <source>PR</source>
        <translation>PR</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Klassifikation</translation>
    </message>
    <message>
        <source>Lower bound of the %1% confidence interval</source>
        <translation>Untere Grenze des %1-%-Konfidenzintervalls</translation>
    </message>
    <message>
        <source>%1% low</source>
        <translation>KI untere Grenze (%1 %)</translation>
    </message>
    <message>
        <source>Upper bound of the %1% confidence interval</source>
        <translation>Obere Grenze des %1-%-Konfidenzintervalls</translation>
    </message>
    <message>
        <source>%1% high</source>
        <translation>KI obere Grenze (%1 %)</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>The deviation a strength or weakness needs</source>
        <translation>Die Abweichung, die eine Stärke oder Schwäche braucht</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <source>S: a strength, W: a weakness</source>
        <translation>S: eine Stärke, W: eine Schwäche</translation>
    </message>
    <message>
        <source>S/W</source>
        <translation>S/W</translation>
    </message>
    <message>
        <source>Base rate %</source>
        <translation>Basisrate %</translation>
    </message>
    <message>
        <source>The retest on the common metric</source>
        <translation>Der Retest auf der gemeinsamen Metrik</translation>
    </message>
    <message>
        <source>Retest %1</source>
        <translation>Retest %1</translation>
    </message>
    <message>
        <source>Reliable change index</source>
        <translation>Reliable-Change-Index</translation>
    </message>
    <message>
        <source>RCI</source>
        <translation>RCI</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Veränderung</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Difference from the mean of the score&apos;s set</source>
        <translation>Abweichung vom Mittelwert des Vergleichssets</translation>
    </message>
    <message>
        <source>The comparison set: a score&apos;s deviation, strength or weakness is taken against the mean of the scores in its set. Scores with no set are one set.</source>
        <translation>Das Vergleichsset: Abweichung, Stärke oder Schwäche eines Werts beziehen sich auf den Mittelwert der Werte in seinem Set. Werte ohne Set bilden ein Set.</translation>
    </message>
    <message>
        <source>Predicted</source>
        <translation>Vorhersage</translation>
    </message>
    <message>
        <source>The retest predicted from the retest study, on the score&apos;s scale</source>
        <translation>Der aus der Retest-Studie vorhergesagte Retest, auf der Skala des Werts</translation>
    </message>
    <message>
        <source>SRB z</source>
        <translation>SRB-z</translation>
    </message>
    <message>
        <source>Standardized regression-based change</source>
        <translation>Standardisierte regressionsbasierte Veränderung</translation>
    </message>
    <message>
        <source>CG t</source>
        <translation>CG-t</translation>
    </message>
    <message>
        <source>Crawford and Garthwaite&apos;s t of the change</source>
        <translation>Das t der Veränderung nach Crawford und Garthwaite</translation>
    </message>
    <message>
        <source>Change p</source>
        <translation>p Veränderung</translation>
    </message>
    <message>
        <source>One-tailed p of the change</source>
        <translation>Einseitiges p der Veränderung</translation>
    </message>
    <message>
        <source>Change %</source>
        <translation>Veränderung %</translation>
    </message>
    <message>
        <source>Estimated percent of people with a larger change in this direction</source>
        <translation>Geschätzter Prozentsatz der Personen mit einer größeren Veränderung in dieser Richtung</translation>
    </message>
    <message>
        <source>95% low</source>
        <translation>95 % unten</translation>
    </message>
    <message>
        <source>Lower bound of the percent&apos;s 95% interval</source>
        <translation>Untere Grenze des 95-%-Intervalls des Prozentsatzes</translation>
    </message>
    <message>
        <source>95% high</source>
        <translation>95 % oben</translation>
    </message>
    <message>
        <source>Upper bound of the percent&apos;s 95% interval</source>
        <translation>Obere Grenze des 95-%-Intervalls des Prozentsatzes</translation>
    </message>
    <message>
        <source>Percent of people with a deviation this large in the same direction</source>
        <translation>Prozent der Personen mit einer so großen Abweichung in derselben Richtung</translation>
    </message>
    <message>
        <source>Either way %</source>
        <translation>Beide Richtungen %</translation>
    </message>
    <message>
        <source>Percent of people with a deviation this large in either direction</source>
        <translation>Prozent der Personen mit einer so großen Abweichung in beide Richtungen</translation>
    </message>
</context>
<context>
    <name>battery::SheetDelegate</name>
    <message>
        <source>%1, row %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
</context>
<context>
    <name>battery::Words</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: the report could not be drawn.</source>
        <translation>%1 konnte nicht geschrieben werden: Der Bericht ließ sich nicht zeichnen.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is not a descriptor system: %2</source>
        <translation>%1 ist kein Klassifikationssystem: %2</translation>
    </message>
    <message>
        <source>Only a raw score uses a mean and an SD; this one is not used.</source>
        <translation>Nur ein Rohwert braucht Mittelwert und SD; diese Angabe wird nicht verwendet.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>SD</translation>
    </message>
    <message>
        <source>Reliability</source>
        <translation>Reliabilität</translation>
    </message>
    <message>
        <source>Retest</source>
        <translation>Retest</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übungseffekt</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>%1 is not a number. Write it with digits and a decimal comma, such as 0,90.</source>
        <translation>%1 ist keine Zahl. Schreiben Sie sie mit Ziffern und Dezimalkomma, etwa 0,90.</translation>
    </message>
    <message>
        <source>%1 is not a number. Write it with digits and a decimal point, such as .90.</source>
        <translation>%1 ist keine Zahl. Schreiben Sie sie mit Ziffern und Dezimalpunkt, etwa .90.</translation>
    </message>
    <message>
        <source>Every score needs a name.</source>
        <translation>Jeder Wert braucht einen Namen.</translation>
    </message>
    <message>
        <source>Choose the scale the score is on.</source>
        <translation>Wählen Sie die Skala des Werts.</translation>
    </message>
    <message>
        <source>The score is missing.</source>
        <translation>Der Wert fehlt.</translation>
    </message>
    <message>
        <source>A raw score needs the mean of its distribution.</source>
        <translation>Ein Rohwert braucht den Mittelwert seiner Verteilung.</translation>
    </message>
    <message>
        <source>A raw score needs the SD of its distribution.</source>
        <translation>Ein Rohwert braucht die SD seiner Verteilung.</translation>
    </message>
    <message>
        <source>This cell must be filled.</source>
        <translation>Diese Zelle muss ausgefüllt sein.</translation>
    </message>
    <message>
        <source>%1 is not a scale. Choose one from the list: z, T, Wechsler IQ, NCE, CEEB, AGCT, percentile, scaled score or raw score.</source>
        <translation>%1 ist keine Skala. Wählen Sie eine aus der Liste: z, T, Wechsler-IQ, NCE, CEEB, AGCT, Perzentil, Wertpunkte (WP) oder Rohwert.</translation>
    </message>
    <message>
        <source>Stanines and stens are bands, not points: give the score on another scale.</source>
        <translation>Stanine und Sten sind Bereiche, keine Punkte: Geben Sie den Wert auf einer anderen Skala an.</translation>
    </message>
    <message>
        <source>%1 is too large to be used.</source>
        <translation>%1 ist zu groß, um verwendet zu werden.</translation>
    </message>
    <message>
        <source>A percentile must be greater than 0 and less than 100.</source>
        <translation>Ein Perzentil muss größer als 0 und kleiner als 100 sein.</translation>
    </message>
    <message>
        <source>The %1 scale ranges from %2 to %3.</source>
        <translation>Die Skala %1 reicht von %2 bis %3.</translation>
    </message>
    <message>
        <source>%1 stands for a z beyond the z scale, which ranges from %2 to %3.</source>
        <translation>%1 entspricht einem z außerhalb der z-Skala, die von %2 bis %3 reicht.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 liegt außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>The SD must be greater than 0.</source>
        <translation>Die SD muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>A percentile is compared in z units alone: it takes no practice change.</source>
        <translation>Ein Perzentil wird nur in z-Einheiten verglichen. Für Prozentränge ist kein Übungseffekt vorgesehen.</translation>
    </message>
    <message>
        <source>Row %1 already has the name %2; each score needs a name of its own.</source>
        <translation>Zeile %1 hat schon den Namen %2; jeder Wert braucht einen eigenen Namen.</translation>
    </message>
    <message>
        <source>The score cannot be used; see the marked cell.</source>
        <translation>Der Wert ist nicht verwendbar; siehe die markierte Zelle.</translation>
    </message>
    <message>
        <source>Not worked out: a reliability is missing.</source>
        <translation>Nicht berechnet: Eine Reliabilität fehlt.</translation>
    </message>
    <message>
        <source>Not worked out: a correlation is not known.</source>
        <translation>Nicht berechnet: Eine Korrelation ist nicht bekannt.</translation>
    </message>
    <message>
        <source>Not worked out: strengths and weaknesses need at least three scores with a reliability.</source>
        <translation>Nicht berechnet: Stärken und Schwächen brauchen mindestens drei Werte mit Reliabilität.</translation>
    </message>
    <message>
        <source>No retest.</source>
        <translation>Kein Retest.</translation>
    </message>
    <message>
        <source>Not worked out: the correlations leave the difference no spread; check them.</source>
        <translation>Nicht berechnet: Die Korrelationen lassen der Differenz keine Streuung; bitte prüfen.</translation>
    </message>
    <message>
        <source>Not worked out: the composite&apos;s reliability would not lie between 0 and 1.</source>
        <translation>Nicht berechnet: Die Reliabilität des Kompositwerts läge nicht zwischen 0 und 1.</translation>
    </message>
    <message>
        <source>Not worked out: the retest lies outside its scale.</source>
        <translation>Nicht berechnet: Der Retest liegt außerhalb seiner Skala.</translation>
    </message>
    <message>
        <source>Not worked out: no set of scores could have these correlations together; check them.</source>
        <translation>Nicht berechnet: Keine Werte könnten diese Korrelationen zugleich haben; bitte prüfen.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 ist keine lesbare Datei.</translation>
    </message>
    <message>
        <source>%1, line %2: the line is not text (UTF-8). Is this a battery file?</source>
        <translation>%1, Zeile %2: Die Zeile ist kein Text (UTF-8). Ist das eine Profildatei?</translation>
    </message>
    <message>
        <source>%1 is not a text file (UTF-8). A battery file is a CSV file of scores.</source>
        <translation>%1 ist keine Textdatei (UTF-8). Eine Profildatei ist eine CSV-Datei mit Werten.</translation>
    </message>
    <message>
        <source>%1 is written in UTF-16. Save it as UTF-8 CSV and open it again.</source>
        <translation>%1 ist in UTF-16 geschrieben. Speichern Sie sie als UTF-8-CSV und öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>%1 is empty. A battery file starts with a line naming its columns, such as name,scale,score.</source>
        <translation>%1 ist leer. Eine Profildatei beginnt mit einer Zeile, die ihre Spalten nennt, etwa name,scale,score.</translation>
    </message>
    <message>
        <source>%1, line 1: there is no column “%2”. A battery file needs the columns name, scale and score.</source>
        <translation>%1, Zeile 1: Es gibt keine Spalte „%2“. Eine Profildatei braucht die Spalten name, scale und score.</translation>
    </message>
    <message>
        <source>%1, line 1: the column “%2” is named twice.</source>
        <translation>%1, Zeile 1: Die Spalte „%2“ ist doppelt benannt.</translation>
    </message>
    <message>
        <source>%1, line 1: the file has more than %2 columns; it is not a battery file.</source>
        <translation>%1, Zeile 1: Die Datei hat mehr als %2 Spalten; sie ist keine Profildatei.</translation>
    </message>
    <message>
        <source>%1, line %2: the line has %3 cells where the first line has %4.</source>
        <translation>%1, Zeile %2: Die Zeile hat %3 Zellen, die erste Zeile %4.</translation>
    </message>
    <message>
        <source>%1, line %2: a quoted cell is not closed properly.</source>
        <translation>%1, Zeile %2: Eine Zelle in Anführungszeichen ist nicht richtig geschlossen.</translation>
    </message>
    <message>
        <source>%1, line %2: the cell in column “%3” is longer than %4 characters.</source>
        <translation>%1, Zeile %2: Die Zelle in der Spalte „%3“ ist länger als %4 Zeichen.</translation>
    </message>
    <message>
        <source>%1, line %2: the person has more than %3 scores; a Battery Sheet holds at most %3.</source>
        <translation>%1, Zeile %2: Die Person hat mehr als %3 Werte; ein Profilbogen fasst höchstens %3.</translation>
    </message>
    <message>
        <source>%1, lines %2 and %3: the column “%4” holds two different values for one person.</source>
        <translation>%1, Zeilen %2 und %3: Die Spalte „%4“ enthält für eine Person zwei verschiedene Angaben.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2. The file on disk is as it was.</source>
        <translation>%1 konnte nicht gespeichert werden: %2. Die Datei auf dem Datenträger ist unverändert.</translation>
    </message>
    <message>
        <source>The clipboard holds no cells to paste.</source>
        <translation>Die Zwischenablage enthält keine Zellen zum Einfügen.</translation>
    </message>
    <message>
        <source>The clipboard holds more than %1 MB of text; that is no battery. Nothing was pasted.</source>
        <translation>Die Zwischenablage enthält mehr als %1 MB Text; das ist keine Testbatterie. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>The clipboard does not hold text that can be pasted. Nothing was pasted.</source>
        <translation>Die Zwischenablage enthält keinen einfügbaren Text. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>The clipboard holds more than %1 rows; a Battery Sheet holds at most %1 scores. Nothing was pasted.</source>
        <translation>Die Zwischenablage enthält mehr als %1 Zeilen; ein Profilbogen fasst höchstens %1 Werte. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Row %1 of the clipboard has a cell longer than %2 characters. Nothing was pasted.</source>
        <translation>Zeile %1 der Zwischenablage hat eine Zelle mit mehr als %2 Zeichen. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Row %1 of the clipboard has a quoted cell that is not closed properly. Nothing was pasted.</source>
        <translation>Zeile %1 der Zwischenablage hat eine Zelle in Anführungszeichen, die nicht richtig geschlossen ist. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>%1, line %2, cell %3</source>
        <translation>%1, Zeile %2, Zelle %3</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>%1 is empty. A correlation file starts with name and the scores&apos; names.</source>
        <translation>%1 ist leer. Eine Korrelationsdatei beginnt mit name und den Namen der Werte.</translation>
    </message>
    <message>
        <source>the first cell must be “name”</source>
        <translation>die erste Zelle muss „name“ lauten</translation>
    </message>
    <message>
        <source>a score&apos;s name is empty</source>
        <translation>der Name eines Werts ist leer</translation>
    </message>
    <message>
        <source>%1 already has a row at line %2</source>
        <translation>%1 hat schon eine Zeile in Zeile %2</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 ist doppelt genannt</translation>
    </message>
    <message>
        <source>%1 is not named in the first line</source>
        <translation>%1 steht nicht in der ersten Zeile</translation>
    </message>
    <message>
        <source>%1: %2 has no row.</source>
        <translation>%1: %2 hat keine Zeile.</translation>
    </message>
    <message>
        <source>the line has more cells than the first line</source>
        <translation>die Zeile hat mehr Zellen als die erste Zeile</translation>
    </message>
    <message>
        <source>a quoted cell is not closed properly</source>
        <translation>eine Zelle in Anführungszeichen ist nicht richtig geschlossen</translation>
    </message>
    <message>
        <source>“%1” is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>a score correlates 1 with itself, not %1</source>
        <translation>ein Wert korreliert mit sich selbst zu 1, nicht zu %1</translation>
    </message>
    <message>
        <source>%1 disagrees with %2 at line %3, cell %4</source>
        <translation>%1 widerspricht %2 in Zeile %3, Zelle %4</translation>
    </message>
    <message>
        <source>the name is not text (UTF-8)</source>
        <translation>der Name ist kein Text (UTF-8)</translation>
    </message>
    <message>
        <source>%1 names more than %2 scores; it is not a correlation matrix of a battery.</source>
        <translation>%1 nennt mehr als %2 Werte; sie ist keine Korrelationsmatrix einer Testbatterie.</translation>
    </message>
    <message>
        <source>%1 is written in UTF-16. Save it as UTF-8 CSV and load it again.</source>
        <translation>%1 ist in UTF-16 geschrieben. Speichern Sie sie als UTF-8-CSV und laden Sie sie erneut.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>reliable gain</source>
        <translation>reliable Verbesserung</translation>
    </message>
    <message>
        <source>reliable loss</source>
        <translation>reliable Verschlechterung</translation>
    </message>
    <message>
        <source>no reliable change</source>
        <translation>keine reliable Veränderung</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>The reliability must be greater than 0 and less than 1, such as %1.</source>
        <translation>Die Reliabilität muss größer als 0 und kleiner als 1 sein, etwa %1.</translation>
    </message>
    <message>
        <source>%1 lies outside −1 to 1</source>
        <translation>%1 liegt außerhalb von −1 bis 1</translation>
    </message>
    <message>
        <source>the battery file being printed</source>
        <translation>die Profildatei, die gedruckt wird</translation>
    </message>
    <message>
        <source>the descriptor file the report uses</source>
        <translation>die Bezeichnungsdatei, die der Bericht verwendet</translation>
    </message>
    <message>
        <source>the correlation file the report uses</source>
        <translation>die Korrelationsdatei, die der Bericht verwendet</translation>
    </message>
    <message>
        <source>%1 is %2; the report is not written over it. Give the PDF another name.</source>
        <translation>%1 ist %2; der Bericht wird nicht darüber geschrieben. Geben Sie dem PDF einen anderen Namen.</translation>
    </message>
    <message>
        <source>the descriptor file the sheet last used: %1</source>
        <translation>die zuletzt im Profilbogen verwendete Bezeichnungsdatei: %1</translation>
    </message>
    <message>
        <source>the correlation file the sheet last used: %1</source>
        <translation>die zuletzt im Profilbogen verwendete Korrelationsdatei: %1</translation>
    </message>
    <message>
        <source>%1 has no person named %2.</source>
        <translation>%1 enthält keine Person namens %2.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Not worked out: needs 3 scores in its set; the scores with no set have %1 with a reliability.</source>
        <translation>Nicht berechnet: braucht 3 Werte in seinem Vergleichsset; die Werte ohne Set haben %1 mit Reliabilität.</translation>
    </message>
    <message>
        <source>Not worked out: needs 3 scores in its set; the set %1 has %2 with a reliability.</source>
        <translation>Nicht berechnet: braucht 3 Werte in seinem Vergleichsset; das Set %1 hat %2 mit Reliabilität.</translation>
    </message>
    <message>
        <source>%1 is %2; the report is not written over it. Give the document another name.</source>
        <translation>%1 ist %2; der Bericht wird nicht darüber geschrieben. Geben Sie dem Dokument einen anderen Namen.</translation>
    </message>
    <message>
        <source>Study M1</source>
        <translation>Studie M1</translation>
    </message>
    <message>
        <source>Study SD1</source>
        <translation>Studie SD1</translation>
    </message>
    <message>
        <source>Study M2</source>
        <translation>Studie M2</translation>
    </message>
    <message>
        <source>Study SD2</source>
        <translation>Studie SD2</translation>
    </message>
    <message>
        <source>Study r12</source>
        <translation>Studie r12</translation>
    </message>
    <message>
        <source>Study N</source>
        <translation>Studie N</translation>
    </message>
    <message>
        <source>Controls M</source>
        <translation>Kontrollen M</translation>
    </message>
    <message>
        <source>Controls SD</source>
        <translation>Kontrollen SD</translation>
    </message>
    <message>
        <source>Controls n</source>
        <translation>Kontrollen n</translation>
    </message>
    <message>
        <source>A retest study needs all six cells: its means and SDs at both testings, its retest correlation and its size.</source>
        <translation>Eine Retest-Studie braucht alle sechs Zellen: Mittelwerte und SDs beider Testungen, die Retest-Korrelation und ihre Größe.</translation>
    </message>
    <message>
        <source>A control sample needs all three cells: its mean, its SD and its size.</source>
        <translation>Eine Kontrollgruppe braucht alle drei Zellen: Mittelwert, SD und Größe.</translation>
    </message>
    <message>
        <source>A retest study needs at least 3 people, counted in whole numbers.</source>
        <translation>Eine Retest-Studie braucht mindestens 3 Personen, in ganzen Zahlen gezählt.</translation>
    </message>
    <message>
        <source>A control sample needs at least 2 people, counted in whole numbers.</source>
        <translation>Eine Kontrollgruppe braucht mindestens 2 Personen, in ganzen Zahlen gezählt.</translation>
    </message>
    <message>
        <source>Not worked out: no retest study, or another change method chosen.</source>
        <translation>Nicht berechnet: keine Retest-Studie oder ein anderes Verfahren für die Veränderung gewählt.</translation>
    </message>
    <message>
        <source>No control sample.</source>
        <translation>Keine Kontrollgruppe.</translation>
    </message>
    <message>
        <source>Not worked out: too far out to be computed.</source>
        <translation>Nicht berechnet: zu weit außen, um berechnet zu werden.</translation>
    </message>
    <message>
        <source>The retest correlation must lie between −1 and 1, both left out.</source>
        <translation>Die Retest-Korrelation muss zwischen −1 und 1 liegen, beide ausgenommen.</translation>
    </message>
    <message>
        <source>Not worked out: the correlations of the set are not positive definite, so the profile&apos;s distance and low-score rate are undefined; check them.</source>
        <translation>Nicht berechnet: Die Korrelationen des Sets sind nicht positiv definit, daher sind die Distanz des Profils und die Rate niedriger Werte nicht bestimmt; bitte prüfen.</translation>
    </message>
    <message>
        <source>Under Holm&apos;s correction no single critical value decides: the adjusted p does.</source>
        <translation>Mit Holms Korrektur entscheidet kein einzelner kritischer Wert, sondern das korrigierte p.</translation>
    </message>
    <message>
        <source>No correction for the family of pairs is chosen.</source>
        <translation>Für die Paare als Familie ist keine Korrektur gewählt.</translation>
    </message>
    <message>
        <source>Being worked out…</source>
        <translation>Wird berechnet…</translation>
    </message>
</context>
<context>
    <name>report::IdentificationBlock</name>
    <message>
        <source>%1 was longer than %2 characters: its first %2 are kept.</source>
        <translation>%1 war länger als %2 Zeichen: die ersten %2 bleiben.</translation>
    </message>
    <message>
        <source>A date as year-month-day, such as 2016-03-14.</source>
        <translation>Ein Datum als TT.MM.JJJJ, etwa 14.03.2016; auch 2016-03-14.</translation>
    </message>
    <message>
        <source>The name or code of the person tested. It is never stored.</source>
        <translation>Name oder Kürzel der getesteten Person. Wird nie gespeichert.</translation>
    </message>
    <message>
        <source>The test given.</source>
        <translation>Der durchgeführte Test.</translation>
    </message>
    <message>
        <source>Who gave the test.</source>
        <translation>Wer den Test durchgeführt hat.</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>TT.MM.JJJJ</translation>
    </message>
    <message>
        <source>Years;months at testing, worked out as on a record form: a month is borrowed as 30 days.</source>
        <translation>Alter in Jahren;Monaten bei der Testung, 10;9 heißt 10 Jahre und 9 Monate. Berechnet wie auf einem Protokollbogen: Ein geborgter Monat zählt 30 Tage.</translation>
    </message>
    <message>
        <source>N&amp;ame or code:</source>
        <translation>N&amp;ame oder Kürzel:</translation>
    </message>
    <message>
        <source>E&amp;xaminer:</source>
        <translation>Testleit&amp;ung:</translation>
    </message>
    <message>
        <source>Date of &amp;birth:</source>
        <translation>&amp;Geburtsdatum:</translation>
    </message>
    <message>
        <source>Date of testin&amp;g:</source>
        <translation>T&amp;estdatum:</translation>
    </message>
</context>
<context>
    <name>report::ReportWnd</name>
    <message>
        <source>Score Report</source>
        <translation>Ergebnisbericht</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Normal curve</source>
        <translation>Normalverteilung</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>No score yet</source>
        <translation>Noch kein Wert</translation>
    </message>
    <message>
        <source>There is no score yet. Calculate one in the converter window and the report follows it.</source>
        <translation>Noch gibt es keinen Wert. Berechnen Sie einen im Umrechner; der Bericht folgt ihm.</translation>
    </message>
    <message>
        <source>The normal curve, with no score marked.</source>
        <translation>Die Normalverteilung, ohne markierten Wert.</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Wert: %1</translation>
    </message>
    <message>
        <source>%1% CI</source>
        <translation>%1-%-KI</translation>
    </message>
    <message>
        <source>How the figure was calculated</source>
        <translation>Wie der Wert berechnet wurde</translation>
    </message>
    <message>
        <source>Select a row of the table to see how its figure was calculated.</source>
        <translation>Wählen Sie eine Zeile der Tabelle, um zu sehen, wie ihr Wert berechnet wurde.</translation>
    </message>
    <message>
        <source>Shows how the selected figure was calculated, with the numbers put in.</source>
        <translation>Zeigt, wie der gewählte Wert berechnet wurde, mit eingesetzten Zahlen.</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG-Grafik (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>score-report</source>
        <translation>ergebnisbericht</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Abbildung speichern</translation>
    </message>
    <message>
        <source>Score Report: %1</source>
        <translation>Ergebnisbericht: %1</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>How sure the interval is meant to be: the share of intervals made this way that hold the true score.</source>
        <translation>Wie sicher das Intervall sein soll: der Anteil der so gebildeten Intervalle, die den wahren Wert enthalten.</translation>
    </message>
    <message>
        <source>True score centres the interval on the estimated true score, drawn towards the mean; Obtained score centres it on the score itself, with the standard error of measurement.</source>
        <translation>Wahrer Wert legt die Mitte des Intervalls auf den geschätzten wahren Wert, der zum Mittelwert hin gezogen ist; Beobachteter Wert legt sie auf den Wert selbst, mit dem Standardmessfehler.</translation>
    </message>
    <message>
        <source>The system of labels that names the range a score lies in. Custom… reads one from a CSV file with the header from,label.</source>
        <translation>Das System von Bezeichnungen, das den Bereich benennt, in dem ein Wert liegt. Eigenes… liest eines aus einer CSV-Datei mit der Kopfzeile from,label.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a descriptor system: %2</source>
        <translation>%1 ist kein Klassifikationssystem: %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>True score</source>
        <translation>Wahrer Wert</translation>
    </message>
    <message>
        <source>Obtained score</source>
        <translation>Beobachteter Wert</translation>
    </message>
    <message>
        <source>Custom: %1</source>
        <translation>Eigenes: %1</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Eigenes…</translation>
    </message>
    <message>
        <source>Descriptor System</source>
        <translation>Klassifikationssystem</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 The labels are AACN&apos;s until it can be read; choose it again from Descriptors to read it anew.</source>
        <translation>%1 Bis sie gelesen werden kann, gelten die Bezeichnungen von AACN; wählen Sie sie unter Klassifikation erneut, um sie neu zu lesen.</translation>
    </message>
    <message>
        <source>%1 No interval is shown.</source>
        <translation>%1 Es wird kein Intervall angezeigt.</translation>
    </message>
    <message>
        <source>The normal curve from z −4 to +4. %1</source>
        <translation>Die Normalverteilung von z −4 bis +4. %1</translation>
    </message>
    <message>
        <source>The reliability coefficient of the test, a number between 0 and 1 such as %1. Leave it empty for no confidence interval.</source>
        <translation>Der Reliabilitätskoeffizient des Tests, eine Zahl zwischen 0 und 1 wie %1. Leer lassen, wenn kein Konfidenzintervall gewünscht ist.</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>z. B. %1</translation>
    </message>
    <message>
        <source>The reliability must be a number between 0 and 1, such as %1.</source>
        <translation>Die Reliabilität muss eine Zahl zwischen 0 und 1 sein, etwa %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the descriptor file the report uses</source>
        <translation>die Bezeichnungsdatei, die der Bericht verwendet</translation>
    </message>
    <message>
        <source>Te&amp;st:</source>
        <translation>Te&amp;st:</translation>
    </message>
    <message>
        <source>Re&amp;liability:</source>
        <translation>Re&amp;liabilität:</translation>
    </message>
    <message>
        <source>Co&amp;nfidence:</source>
        <translation>Ko&amp;nfidenzniveau:</translation>
    </message>
    <message>
        <source>Me&amp;thod:</source>
        <translation>Me&amp;thode:</translation>
    </message>
    <message>
        <source>&amp;Descriptors:</source>
        <translation>&amp;Klassifikation:</translation>
    </message>
    <message>
        <source>Reliability</source>
        <translation>Reliabilität</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Konfidenzniveau</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Descriptors</source>
        <translation>Klassifikation</translation>
    </message>
    <message>
        <source>H&amp;ow was this calculated?</source>
        <translation>Wie wurde das bere&amp;chnet?</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Export Document</source>
        <translation>Als Textdokument exportieren</translation>
    </message>
    <message>
        <source>OpenDocument text (*.odt)</source>
        <translation>OpenDocument-Text (*.odt)</translation>
    </message>
</context>
<context>
    <name>shell::AboutWnd</name>
    <message>
        <source>Quintaval</source>
        <translation>Quintaval</translation>
    </message>
    <message>
        <source>Quintaval %1 · written by the Quintaval developers</source>
        <translation>Quintaval %1 · von den Quintaval-Entwicklern</translation>
    </message>
    <message>
        <source>Quintaval badge</source>
        <translation>Quintaval-Logo</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The language of this translation, named in that language</extracomment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Sprache: %1</translation>
    </message>
</context>
<context>
    <name>shell::DescriptionWnd</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>shell::InvisibleWnd</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
</TS>
