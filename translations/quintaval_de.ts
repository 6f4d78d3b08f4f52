<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
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
        <translation>Perzentil</translation>
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
        <translation>auf die Grenze der Skala gesetzt und als %1 angezeigt; das * kennzeichnet dies</translation>
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
        <translation>Standardwert S = %1 + %2 × z = %1 + %2 × %3, gerundet: %4, nicht auf eine Grenze gesetzt.</translation>
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
        <source>Bounds: %1 ∓ %2 × %3 = %4 and %5, shown as %6 and %7.</source>
        <translation>Grenzen: %1 ∓ %2 × %3 = %4 und %5, angezeigt als %6 und %7.</translation>
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
        <translation>%1 ist kein Datum; bitte als Jahr-Monat-Tag schreiben, etwa 2016-03-14.</translation>
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
        <translation>%1;%2 (%3)</translation>
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
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Als PDF exportieren…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Be&amp;richt</translation>
    </message>
    <message>
        <source>Copy Table</source>
        <translation>Tabelle kopieren</translation>
    </message>
    <message>
        <source>Copy Sentence</source>
        <translation>Satz kopieren</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Abbildung speichern…</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Bericht drucken…</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Umrechner</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>About Quintaval</source>
        <translation>Über Quintaval</translation>
    </message>
    <message>
        <source>Score Report</source>
        <translation>Ergebnisbericht</translation>
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
        <source>Every scale is reached through z, the score&apos;s distance from the mean in standard deviations; percentile ranks are exact areas under the normal curve.</source>
        <translation>Alle Skalen werden über z berechnet, den Abstand des Werts vom Mittelwert in Standardabweichungen; Prozentränge sind exakte Flächen unter der Normalverteilung.</translation>
    </message>
    <message>
        <source>Confidence interval: %1, from a reliability of %2.</source>
        <translation>Konfidenzintervall: %1, bei einer Reliabilität von %2.</translation>
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
</context>
<context>
    <name>ReportTable</name>
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
        <translation>%1-%-Intervall, wahrer Wert</translation>
    </message>
    <message>
        <source>%1 % interval, obtained score</source>
        <translation>%1-%-Intervall, beobachteter Wert</translation>
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
        <translation>Ein Wert beim Perzentil %1 entspricht %2 und liegt %3.</translation>
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
        <translation>* außerhalb des möglichen Bereichs der Skala: auf deren Grenze gesetzt</translation>
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
        <translation>Perzentil</translation>
    </message>
    <message>
        <source>Scaled score</source>
        <translation>Wertpunkt</translation>
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
    <name>Settings</name>
    <message>
        <source>Your choices could not be saved to %1. They are kept until Quintaval closes.</source>
        <translation>Ihre Einstellungen konnten nicht in %1 gespeichert werden. Sie gelten weiter, bis Quintaval beendet wird.</translation>
    </message>
</context>
<context>
    <name>report::IdentificationBlock</name>
    <message>
        <source>A date as year-month-day, such as 2016-03-14.</source>
        <translation>Ein Datum als Jahr-Monat-Tag, etwa 2016-03-14.</translation>
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
        <translation>JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>Years;months at testing, worked out as on a record form: a month is borrowed as 30 days.</source>
        <translation>Jahre;Monate bei der Testung, berechnet wie auf einem Protokollbogen: Ein geborgter Monat zählt 30 Tage.</translation>
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
        <source>Sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Reliability:</source>
        <translation>Reliabilität:</translation>
    </message>
    <message>
        <source>Confidence:</source>
        <translation>Konfidenz:</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Methode:</translation>
    </message>
    <message>
        <source>Descriptors:</source>
        <translation>Klassifikation:</translation>
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
        <source>How was this calculated?</source>
        <translation>Wie wurde das berechnet?</translation>
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
        <translation>Quintaval-Wappen</translation>
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
