<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Comparison</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotes a motivator or a line of the text the user gave, in a message about it.</extracomment>
        <translation>„%1“</translation>
    </message>
    <message numerus="yes">
        <source>%n of your 28 replies are the same as in the earlier result.</source>
        <extracomment>%n is how many of the 28 replies are the same in both results.</extracomment>
        <translation>
            <numerusform>%n Ihrer 28 Antworten stimmt mit dem früheren Ergebnis überein.</numerusform>
            <numerusform>%n Ihrer 28 Antworten stimmen mit dem früheren Ergebnis überein.</numerusform>
        </translation>
    </message>
    <message>
        <source>The earlier result holds no replies, so only the ratings are compared.</source>
        <extracomment>Said of a result copied by a version that did not copy the replies.</extracomment>
        <translation>Das frühere Ergebnis enthält keine Antworten, daher werden nur die Bewertungen verglichen.</translation>
    </message>
    <message>
        <source>The two orders of your motivators agree closely.</source>
        <extracomment>How closely the two orders of the motivators agree: the closest of four.</extracomment>
        <translation>Die beiden Rangfolgen Ihrer Motivatoren stimmen weitgehend überein.</translation>
    </message>
    <message>
        <source>The two orders of your motivators agree in part.</source>
        <extracomment>How closely the two orders of the motivators agree: the second of four.</extracomment>
        <translation>Die beiden Rangfolgen Ihrer Motivatoren stimmen teilweise überein.</translation>
    </message>
    <message>
        <source>The two orders of your motivators hardly agree.</source>
        <extracomment>How closely the two orders of the motivators agree: the third of four.</extracomment>
        <translation>Die beiden Rangfolgen Ihrer Motivatoren stimmen kaum überein.</translation>
    </message>
    <message>
        <source>The two orders of your motivators are largely reversed.</source>
        <extracomment>How closely the two orders of the motivators agree: the last of four.</extracomment>
        <translation>Die beiden Rangfolgen Ihrer Motivatoren sind weitgehend umgekehrt.</translation>
    </message>
    <message>
        <source>No rating moved by more than one point. One changed reply makes a change that small (one rating up by one, another down by one), so read nothing into it.</source>
        <extracomment>When no rating changed by more than one point.</extracomment>
        <translation>Keine Bewertung hat sich um mehr als einen Punkt verändert. Eine so kleine Änderung entsteht schon durch eine einzige geänderte Antwort (eine Bewertung steigt um eins, eine andere sinkt um eins). Messen Sie ihr also keine Bedeutung bei.</translation>
    </message>
    <message>
        <source>%1 (from %2 to %3)</source>
        <extracomment>One motivator that moved most: %1 its name, %2 the earlier rating, %3 today&apos;s.</extracomment>
        <translation>%1 (von %2 auf %3)</translation>
    </message>
    <message>
        <source>Moved most: %1.</source>
        <extracomment>%1 the motivators whose ratings moved most, joined by the separator below.</extracomment>
        <translation>Am stärksten verändert: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two motivators that moved most.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>A change of one point is as small as one changed reply makes (one rating up by one, another down by one), so read nothing into it.</source>
        <extracomment>After the motivators that moved most.</extracomment>
        <translation>Eine Änderung um einen Punkt entsteht schon durch eine einzige geänderte Antwort (eine Bewertung steigt um eins, eine andere sinkt um eins). Messen Sie ihr also keine Bedeutung bei.</translation>
    </message>
    <message>
        <source>Earlier result copied %1.</source>
        <extracomment>%1 is the date and time the earlier result was copied, as the copy wrote it.</extracomment>
        <translation>Früheres Ergebnis, kopiert am %1.</translation>
    </message>
    <message>
        <source>Marked as the most motivating, then and today: %1.</source>
        <extracomment>%1 is the motivator the user marked as the most motivating in both results.</extracomment>
        <translation>Als am stärksten motivierend gewählt, früher und heute: %1.</translation>
    </message>
    <message>
        <source>Marked as the most motivating: then %1, today %2.</source>
        <extracomment>%1 the motivator marked as the most motivating in the earlier result, %2 today.</extracomment>
        <translation>Als am stärksten motivierend gewählt: früher %1, heute %2.</translation>
    </message>
    <message>
        <source>Motivator</source>
        <extracomment>A column of the comparison: the motivator.</extracomment>
        <translation>Motivator</translation>
    </message>
    <message>
        <source>Earlier</source>
        <extracomment>A column of the comparison: the earlier rating.</extracomment>
        <translation>Früher</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>A column of the comparison: today&apos;s rating.</extracomment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>A column of the comparison: today&apos;s rating less the earlier one.</extracomment>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Compare with Earlier Result</source>
        <extracomment>The title of the comparison&apos;s dialog, and the first line of its copy.</extracomment>
        <translation>Mit früherem Ergebnis vergleichen</translation>
    </message>
    <message>
        <source>&amp;Paste or type the earlier result as Tolvar copied it:</source>
        <extracomment>Above the text field of the dialog that takes an earlier result.</extracomment>
        <translation>Früheres Ergebnis so &amp;einfügen oder eintippen, wie Tolvar es kopiert hat:</translation>
    </message>
    <message>
        <source>On the clipboard: %1</source>
        <extracomment>In the dialog that takes an earlier result: why the clipboard&apos;s text was not taken; %1 says what is wrong with it.</extracomment>
        <translation>In der Zwischenablage: %1</translation>
    </message>
    <message>
        <source>A result copied %1, ready to compare.</source>
        <extracomment>In the dialog that takes an earlier result, once it holds one; %1 is the date and time it was copied.</extracomment>
        <translation>Ein am %1 kopiertes Ergebnis liegt zum Vergleich bereit.</translation>
    </message>
    <message>
        <source>&amp;Ratings in today&apos;s order, the highest first:</source>
        <extracomment>Above the comparison&apos;s table. Keep an access key.</extracomment>
        <translation>&amp;Bewertungen nach heutiger Rangfolge, die höchste zuerst:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>A button of the comparison&apos;s dialog that copies the comparison as text. Keep an access key.</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>No Tolvar result was found. Give the whole result as Tolvar copied it, from its first line on.</source>
        <extracomment>The text given as an earlier result holds none.</extracomment>
        <translation>Es wurde kein Tolvar-Ergebnis gefunden. Fügen Sie das ganze Ergebnis ab seiner ersten Zeile so ein, wie Tolvar es kopiert hat.</translation>
    </message>
    <message>
        <source>The text holds %1 results; give only the one to compare with.</source>
        <extracomment>%1 is how many results the text holds (2 or more).</extracomment>
        <translation>Der Text enthält %1 Ergebnisse; fügen Sie nur das ein, mit dem verglichen werden soll.</translation>
    </message>
    <message>
        <source>The line that names the motivator marked as the most motivating is missing below the result&apos;s first line.</source>
        <translation>Unter der ersten Zeile des Ergebnisses fehlt die Zeile, die den als am stärksten motivierend gewählten Motivator nennt.</translation>
    </message>
    <message>
        <source>This line names no motivator that Tolvar knows: %1.</source>
        <extracomment>%1 is the line, quoted.</extracomment>
        <translation>Diese Zeile nennt keinen Motivator, den Tolvar kennt: %1.</translation>
    </message>
    <message>
        <source>The result has no rating for %1.</source>
        <extracomment>%1 is the motivator.</extracomment>
        <translation>Das Ergebnis enthält keine Bewertung für %1.</translation>
    </message>
    <message>
        <source>The result rates %1 twice.</source>
        <extracomment>%1 is the motivator.</extracomment>
        <translation>Das Ergebnis bewertet %1 zweimal.</translation>
    </message>
    <message>
        <source>The result rates %1 %2, but a rating is 0 to 7.</source>
        <extracomment>%1 is the motivator, %2 the rating the text gives it.</extracomment>
        <translation>Das Ergebnis bewertet %1 mit %2, eine Bewertung reicht aber von 0 bis 7.</translation>
    </message>
    <message>
        <source>The ratings add up to %1, but a result&apos;s add up to 28.</source>
        <extracomment>%1 is the sum of the ratings the text gives.</extracomment>
        <translation>Die Bewertungen ergeben zusammen %1, in einem Ergebnis ergeben sie aber immer 28.</translation>
    </message>
    <message>
        <source>The replies may hold only the letters A and B: %1.</source>
        <extracomment>%1 is the line, quoted. The letters stay A and B in every language.</extracomment>
        <translation>Die Antworten dürfen nur die Buchstaben A und B enthalten: %1.</translation>
    </message>
    <message>
        <source>The result holds %1 replies, but it should hold 28.</source>
        <extracomment>%1 is how many replies the text gives.</extracomment>
        <translation>Das Ergebnis enthält %1 statt 28 Antworten.</translation>
    </message>
    <message>
        <source>The replies do not give the ratings beside them (%1 differs): the result was changed after it was copied.</source>
        <extracomment>%1 is a motivator whose rating the replies do not give.</extracomment>
        <translation>Aus den Antworten ergeben sich andere Bewertungen als die daneben angegebenen (%1 weicht ab): Das Ergebnis wurde nach dem Kopieren verändert.</translation>
    </message>
    <message>
        <source>%1: %2 then, %3 today (%4)</source>
        <extracomment>A row of the copied comparison: %1 the motivator, %2 its earlier rating, %3 today&apos;s, %4 the change, as +2 or -1.</extracomment>
        <translation>%1: früher %2, heute %3 (%4)</translation>
    </message>
    <message>
        <source>it holds no text.</source>
        <translation>kein Text.</translation>
    </message>
    <message>
        <source>Pairs of motivators (28 in all) in the same order in both results: %1; in the opposite order: %2; tied in either result or both: %3 (Kendall&apos;s tau-b: %4, where 1 is the same order, 0 no relation and -1 the reverse order).</source>
        <extracomment>%1, %2, %3: how many pairs of motivators (28 in all) are in the same order in both results, in the opposite order, and tied (rated alike) in either result or both; each count, 0 to 28, stands after a colon so that no word agrees with it. %4 is Kendall&apos;s rank correlation, as 0.71 or -0.38.</extracomment>
        <translation>Motivatorpaare (28 insgesamt) in beiden Ergebnissen in derselben Reihenfolge: %1; in umgekehrter Reihenfolge: %2; in einem der beiden Ergebnisse oder in beiden gleich bewertet: %3 (Kendalls Tau-b: %4, wobei 1 für dieselbe Reihenfolge steht, 0 für keinen Zusammenhang und -1 für die umgekehrte Reihenfolge).</translation>
    </message>
    <message numerus="yes">
        <source>%n results, ready to compare.</source>
        <extracomment>In the dialog that takes an earlier result, once it holds several; %n is how many (2 or more).</extracomment>
        <translation>
            <numerusform>%n Ergebnis liegt zum Vergleich bereit.</numerusform>
            <numerusform>%n Ergebnisse liegen zum Vergleich bereit.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeptResults</name>
    <message>
        <source>Tolvar result %1</source>
        <extracomment>The title of the printed or exported result; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Tolvar-Ergebnis vom %1</translation>
    </message>
    <message>
        <source>Tolvar result %1.pdf</source>
        <extracomment>The name Export as PDF suggests for the result&apos;s page; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Tolvar-Ergebnis %1.pdf</translation>
    </message>
    <message>
        <source>Every result given is today&apos;s own: there is nothing earlier to compare with.</source>
        <extracomment>When every result given is a copy of today&apos;s own.</extracomment>
        <translation>Alle angegebenen Ergebnisse sind Kopien des heutigen Ergebnisses: Es gibt kein früheres, mit dem es sich vergleichen ließe.</translation>
    </message>
    <message>
        <source>Tolvar result %1.txt</source>
        <extracomment>The name Save suggests for a result&apos;s file; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Tolvar-Ergebnis %1.txt</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <extracomment>The title of the dialog that saves the result.</extracomment>
        <translation>Ergebnis speichern unter</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <extracomment>The kind of file Save writes, in its dialog.</extracomment>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>The result was not saved to %1: %2</source>
        <extracomment>When a result could not be saved: %1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>Das Ergebnis konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Result saved as %1.</source>
        <extracomment>Said by a screen reader once the result is saved; %1 is the file.</extracomment>
        <translation>Ergebnis unter %1 gespeichert.</translation>
    </message>
    <message>
        <source>Compare with Saved Results</source>
        <extracomment>The title of the dialog that picks saved results to compare with.</extracomment>
        <translation>Mit gespeicherten Ergebnissen vergleichen</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>The kinds of file the dialog offers: text files first, then any.</extracomment>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 was not compared: %2</source>
        <extracomment>When a file given as a saved result is refused: %1 the file, %2 why.</extracomment>
        <translation>%1 konnte nicht verglichen werden: %2</translation>
    </message>
</context>
<context>
    <name>Motivator</name>
    <message>
        <source>  My availability and closeness to family members</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Für meine Familie da sein und ihr nahe sein</translation>
    </message>
    <message>
        <source>My availability and closeness to famility members</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Für meine Familie da sein und ihr nahe sein</translation>
    </message>
    <message>
        <source>  More material rewards and benefits</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Mehr materielle Belohnungen und Zusatzleistungen</translation>
    </message>
    <message>
        <source>More material rewards and benefits</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Mehr materielle Belohnungen und Zusatzleistungen</translation>
    </message>
    <message>
        <source>  Status, power and leadership</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Status, Macht und Führung</translation>
    </message>
    <message>
        <source>Status, power and leadership</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Status, Macht und Führung</translation>
    </message>
    <message>
        <source>  Autonomy  i.e. myself being my boss</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Autonomie, d. h. mein eigener Chef sein</translation>
    </message>
    <message>
        <source>Autonomy i.e. myself being my boss</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Autonomie, d. h. mein eigener Chef sein</translation>
    </message>
    <message>
        <source>  Practising and promoting ethics and other values in the society</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Ethische und andere Werte in der Gesellschaft leben und fördern</translation>
    </message>
    <message>
        <source>Practising and promoting ethics and other values in the society</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Ethische und andere Werte in der Gesellschaft leben und fördern</translation>
    </message>
    <message>
        <source>  Scope for recreational activities and innovation</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Raum für Freizeitaktivitäten und Innovation</translation>
    </message>
    <message>
        <source>Scope for recreational activities and innovation</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Raum für Freizeitaktivitäten und Innovation</translation>
    </message>
    <message>
        <source>  Challenges and risks of varying magnitude</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Herausforderungen und Risiken unterschiedlichen Ausmaßes</translation>
    </message>
    <message>
        <source>Challenges and risks of varying magnitude</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Herausforderungen und Risiken unterschiedlichen Ausmaßes</translation>
    </message>
    <message>
        <source>  Security</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Sicherheit</translation>
    </message>
    <message>
        <source>Security</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Sicherheit</translation>
    </message>
</context>
<context>
    <name>OverTime</name>
    <message>
        <source>Your results over time</source>
        <extracomment>The title of the dialog that shows several results side by side, and the first line of its copy and of its printed page.</extracomment>
        <translation>Ihre Ergebnisse im Zeitverlauf</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the ratings of one motivator, oldest first, as &quot;3, 4, 6&quot;; and between the times of the results in their copy.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Its order of your motivators agrees closely with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the closest of four; %1 is Kendall&apos;s tau-b, as 0.71.</extracomment>
        <translation>Die Rangfolge Ihrer Motivatoren in diesem Ergebnis stimmt weitgehend mit der heutigen überein (Tau-b %1).</translation>
    </message>
    <message>
        <source>Its order of your motivators agrees in part with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the second of four; %1 is Kendall&apos;s tau-b, as 0.42.</extracomment>
        <translation>Die Rangfolge Ihrer Motivatoren in diesem Ergebnis stimmt teilweise mit der heutigen überein (Tau-b %1).</translation>
    </message>
    <message>
        <source>Its order of your motivators hardly agrees with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the third of four; %1 is Kendall&apos;s tau-b, as 0.12.</extracomment>
        <translation>Die Rangfolge Ihrer Motivatoren in diesem Ergebnis stimmt kaum mit der heutigen überein (Tau-b %1).</translation>
    </message>
    <message>
        <source>Its order of your motivators is largely the reverse of today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the last of four; %1 is Kendall&apos;s tau-b, as -0.55.</extracomment>
        <translation>Die Rangfolge Ihrer Motivatoren in diesem Ergebnis ist weitgehend die Umkehrung der heutigen (Tau-b %1).</translation>
    </message>
    <message numerus="yes">
        <source>Your result of %1: %n of its 28 replies are the same as today.</source>
        <extracomment>%1 is the date and time an earlier result was copied; %n how many of its 28 replies are the same as today&apos;s.</extracomment>
        <translation>
            <numerusform>Ihr Ergebnis vom %1: %n seiner 28 Antworten stimmt mit den heutigen überein.</numerusform>
            <numerusform>Ihr Ergebnis vom %1: %n seiner 28 Antworten stimmen mit den heutigen überein.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result of %1 holds no replies, so only its ratings are compared.</source>
        <extracomment>%1 is the date and time an earlier result was copied, by a version that did not copy the replies.</extracomment>
        <translation>Ihr Ergebnis vom %1 enthält keine Antworten, daher werden nur seine Bewertungen verglichen.</translation>
    </message>
    <message>
        <source>Only today&apos;s result is here, so there is nothing to compare it with yet.</source>
        <extracomment>Where the dialog shows today&apos;s result alone.</extracomment>
        <translation>Es liegt nur das heutige Ergebnis vor, daher gibt es noch nichts zu vergleichen.</translation>
    </message>
    <message>
        <source>No motivator was rated highest in every result.</source>
        <extracomment>Where the motivator rated highest was not the same in every result.</extracomment>
        <translation>Kein Motivator wurde in allen Ergebnissen am höchsten bewertet.</translation>
    </message>
    <message numerus="yes">
        <source>Rated highest in every result: %1.</source>
        <extracomment>%1 the motivators rated highest (alone or tied) in every result, today&apos;s included, joined by the separator below; %n how many they are, for the verb&apos;s agreement.</extracomment>
        <translation>
            <numerusform>In allen Ergebnissen am höchsten bewertet: %1.</numerusform>
            <numerusform>In allen Ergebnissen am höchsten bewertet: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two motivators rated highest in every result.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Kendall&apos;s tau-b weighs the pairs of motivators in the same order against those in the opposite order: 1 is the same order, 0 no relation and -1 the reverse order.</source>
        <extracomment>After the sentences on how each earlier order agrees with today&apos;s.</extracomment>
        <translation>Kendalls Tau-b wägt die Motivatorpaare in derselben Reihenfolge gegen die in umgekehrter Reihenfolge ab: 1 steht für dieselbe Reihenfolge, 0 für keinen Zusammenhang und -1 für die umgekehrte Reihenfolge.</translation>
    </message>
    <message>
        <source>Motivator</source>
        <extracomment>A column of the results over time: the motivator.</extracomment>
        <translation>Motivator</translation>
    </message>
    <message>
        <source>Over time</source>
        <extracomment>A column of the results over time: a small chart of one motivator&apos;s ratings, oldest first.</extracomment>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The column of today&apos;s rating in the results over time.</extracomment>
        <translation>Heute</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Ratings in your %n results, the oldest first and today&apos;s last, the motivators in today&apos;s order:</source>
        <extracomment>Above the table of results over time; %n is how many results it shows. Keep an access key.</extracomment>
        <translation>
            <numerusform>&amp;Bewertungen in %n Ergebnis, mit den Motivatoren in heutiger Rangfolge:</numerusform>
            <numerusform>&amp;Bewertungen in Ihren %n Ergebnissen, vom ältesten bis zum heutigen, mit den Motivatoren in heutiger Rangfolge:</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s result, %1</source>
        <extracomment>The tooltip of the column of today&apos;s rating; %1 is the date and time now.</extracomment>
        <translation>Heutiges Ergebnis, %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>A button of the results over time that copies them as text. Keep an access key.</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>A button of the comparison and of the results over time that prints them. Keep an access key.</extracomment>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <extracomment>A button of the comparison and of the results over time that saves them as a PDF document. Keep an access key.</extracomment>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Tolvar results over time.pdf</source>
        <extracomment>The file name the PDF of the results over time is offered under; keep &quot;.pdf&quot;.</extracomment>
        <translation>Tolvar-Ergebnisse im Zeitverlauf.pdf</translation>
    </message>
    <message>
        <source>today (%1)</source>
        <extracomment>In the copy of the results over time, today&apos;s time; %1 is the date and time.</extracomment>
        <translation>heute (%1)</translation>
    </message>
    <message>
        <source>Results of %1.</source>
        <extracomment>The copy&apos;s second line: the times of the results, oldest first, joined by &quot;, &quot;.</extracomment>
        <translation>Zeitpunkte der Ergebnisse: %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the copied results over time: %1 the motivator, %2 its ratings, oldest first, as &quot;3, 4, 6&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Could not print to %1.</source>
        <extracomment>Told after printing, when the chosen printer or file could not be opened or stopped with an error; %1 is the printer&apos;s name or the file&apos;s path.</extracomment>
        <translation>Das Drucken auf %1 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Printed to the file %1.</source>
        <extracomment>Told after the print dialog wrote the page to a file instead of a printer; %1 is the file&apos;s path.</extracomment>
        <translation>In die Datei %1 gedruckt.</translation>
    </message>
    <message>
        <source>Sent to the printer %1.</source>
        <extracomment>Told after the page went to the printer; %1 is the printer&apos;s name.</extracomment>
        <translation>An den Drucker %1 gesendet.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>Title of the file dialog that saves the result as a PDF document.</extracomment>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>Filter of the file dialog that saves the result; keep &quot;(*.pdf)&quot; exactly.</extracomment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <extracomment>Told when the PDF could not be written; %1 is the file&apos;s path, %2 the system&apos;s reason (already translated by the system).</extracomment>
        <translation>%1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <extracomment>Told after the PDF was written; %1 is the file&apos;s path.</extracomment>
        <translation>Als %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not shown: &quot;RTL&quot; for a language written from right to left (Arabic), else &quot;LTR&quot;.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>A message box button, as Qt names it.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A message box button, as Qt names it. The messages refer to it as &quot;Cancel button&quot;.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes the comparison&apos;s dialog, as Qt names it.</extracomment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ResultFile</name>
    <message>
        <source>It is not written in UTF-8 or UTF-16.</source>
        <extracomment>Why a file was not read: it is text in an encoding Tolvar does not read.</extracomment>
        <translation>Die Datei ist weder in UTF-8 noch in UTF-16 kodiert.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Why a file was not read: it holds something other than text.</extracomment>
        <translation>Es ist keine Textdatei.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <extracomment>Why a file was not read: the name chosen is a folder.</extracomment>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>It is larger than %1, far larger than a saved result.</source>
        <extracomment>Why a file was not read: %1 is the most Tolvar reads, as &quot;1 MiB&quot;.</extracomment>
        <translation>Die Datei ist größer als %1 und damit weit größer als ein gespeichertes Ergebnis.</translation>
    </message>
</context>
<context>
    <name>ResultReport</name>
    <message numerus="yes">
        <source>Consistency: %n circular triads (0 is fully consistent, %1 the most possible, and random replies make %2 on average).</source>
        <extracomment>The copied result&apos;s last line, and the tooltip of &quot;Rating by you&quot;. %n circular triads: three motivators whose replies go round in a circle (A over B, B over C, C over A).</extracomment>
        <translation>
            <numerusform>Konsistenz: %n zirkuläre Triade (0 bedeutet völlig konsistent, %1 ist der höchstmögliche Wert, und zufällige Antworten ergeben im Durchschnitt %2).</numerusform>
            <numerusform>Konsistenz: %n zirkuläre Triaden (0 bedeutet völlig konsistent, %1 ist der höchstmögliche Wert, und zufällige Antworten ergeben im Durchschnitt %2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Tolvar result, copied %1</source>
        <extracomment>The copied result&apos;s first line; %1 is the date and time, as 2026-12-08T14:05.</extracomment>
        <translation>Tolvar-Ergebnis, kopiert am %1</translation>
    </message>
    <message>
        <source>Marked as the most motivating: %1</source>
        <extracomment>The copied result&apos;s second line; %1 is the motivator the user marked at the start.</extracomment>
        <translation>Als am stärksten motivierend gewählt: %1</translation>
    </message>
    <message>
        <source>Replies: %1</source>
        <extracomment>The copied result&apos;s last line; %1 is the 28 replies in the letters A and B, in groups of four (&quot;ABBA ABAB ...&quot;). The letters stay A and B in every language.</extracomment>
        <translation>Antworten: %1</translation>
    </message>
</context>
<context>
    <name>Selector</name>
    <message>
        <source>A</source>
        <extracomment>The reply selector&apos;s entry for side A of the question (&quot;A]&quot;).</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>The reply selector&apos;s entry for side B of the question (&quot;B]&quot;).</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>Please select here</source>
        <extracomment>The reply selector&apos;s entry while a question has no reply.</extracomment>
        <translation>Bitte hier auswählen</translation>
    </message>
</context>
<context>
    <name>tolvar::ui::ResultMenu</name>
    <message>
        <source>&amp;Result</source>
        <extracomment>The menu in the window&apos;s menu bar that holds what can be done with a result. Keep an access key that no button of the window uses.</extracomment>
        <translation>Er&amp;gebnis</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <extracomment>An entry of the Result menu (and the window&apos;s context menu) that copies the result as text. Keep an access key, different from the menu&apos;s other entries.</extracomment>
        <translation>Ergebnis &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save Result As...</source>
        <extracomment>An entry of the Result menu that saves the result as a text file. Keep an access key.</extracomment>
        <translation>Ergebnis &amp;speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>An entry of the Result menu that prints the result. Keep an access key.</extracomment>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <extracomment>An entry of the Result menu that saves the result as a PDF file. Keep an access key.</extracomment>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Earlier Result...</source>
        <extracomment>An entry of the Result menu that compares the result shown with an earlier copied one. Keep an access key.</extracomment>
        <translation>Mit früherem Ergebnis &amp;vergleichen...</translation>
    </message>
    <message>
        <source>Compare with Sa&amp;ved Results...</source>
        <extracomment>An entry of the Result menu that compares the result shown with results saved in files. Keep an access key.</extracomment>
        <translation>Mit &amp;gespeicherten Ergebnissen vergleichen...</translation>
    </message>
</context>
<context>
    <name>tolvar::ui::frmForm001</name>
    <message>
        <source>&amp;Proceed</source>
        <extracomment>A button; its caption changes to &quot;&amp;Start New&quot; once the questions start. Keep an access key.</extracomment>
        <translation>&amp;Fortfahren</translation>
    </message>
    <message>
        <source>&amp;Start New</source>
        <extracomment>The Proceed button&apos;s caption once the questions have started. Keep an access key.</extracomment>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button that ends the program. Keep an access key.</extracomment>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <extracomment>A button that shows the program&apos;s information. Keep an access key.</extracomment>
        <translation>Übe&amp;r</translation>
    </message>
    <message>
        <source>Select one of the following, which motivates you the most or you prefer the most, while deciding on any of your activities and then click on Proceed button..</source>
        <extracomment>The instruction above the motivators. &quot;Proceed&quot; names the Proceed button.</extracomment>
        <translation>Wählen Sie von den folgenden Punkten den aus, der Sie am meisten motiviert oder den Sie allen anderen vorziehen, wenn Sie über Ihre Tätigkeiten entscheiden. Klicken Sie dann auf „Fortfahren“.</translation>
    </message>
    <message>
        <source>Rating by you</source>
        <extracomment>The heading above the eight ratings, beside the motivators.</extracomment>
        <translation>Ihre Bewertung</translation>
    </message>
    <message>
        <source>Rating of %1</source>
        <extracomment>What a screen reader says of a rating; %1 is the motivator it rates.</extracomment>
        <translation>Bewertung des Motivators %1</translation>
    </message>
    <message>
        <source>Question  No.  =</source>
        <extracomment>Stands before the number of the question shown, 1 to 28.</extracomment>
        <translation>Frage Nr.</translation>
    </message>
    <message>
        <source>A]</source>
        <extracomment>Marks side A of the question; the selector&apos;s entry &quot;A&quot; picks it.</extracomment>
        <translation>A]</translation>
    </message>
    <message>
        <source>Which one of the following two, motivates you more ?</source>
        <extracomment>The question above its two sides.</extracomment>
        <translation>Welcher der beiden folgenden Punkte motiviert Sie mehr?</translation>
    </message>
    <message>
        <source>B]</source>
        <extracomment>Marks side B of the question; the selector&apos;s entry &quot;B&quot; picks it.</extracomment>
        <translation>B]</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <extracomment>A button that stores the reply and shows the question before. Keep an access key.</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>A button that stores the reply and shows the next question. Keep an access key.</extracomment>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Evaluate</source>
        <extracomment>A button that counts the ratings once every question has a stored reply. Keep an access key.</extracomment>
        <translation>A&amp;uswerten</translation>
    </message>
    <message>
        <source>Result copied.</source>
        <extracomment>Said by a screen reader after the result was copied.</extracomment>
        <translation>Ergebnis kopiert.</translation>
    </message>
    <message>
        <source>Now reply to following  28  questions, one by one, to get some interesting information about yourself. You can quit at any time, if you don&apos;t wish to continue.</source>
        <extracomment>The message after Proceed, before the first question. Keep the number 28.</extracomment>
        <translation>Beantworten Sie nun nacheinander die folgenden 28 Fragen, um einige interessante Informationen über sich selbst zu erhalten. Sie können jederzeit aufhören, wenn Sie nicht weitermachen möchten.</translation>
    </message>
    <message>
        <source>Question %1: A] %2. B] %3.</source>
        <extracomment>What a screen reader says of the reply selector: the question shown, %1 its number, %2 and %3 its sides A and B.</extracomment>
        <translation>Frage %1: A] %2. B] %3.</translation>
    </message>
    <message>
        <source>%1 Reply: %2.</source>
        <extracomment>Said by a screen reader after Next or Previous: %1 the question, as &quot;Question 2: A] ... B] ...&quot;, %2 the reply shown in the selector.</extracomment>
        <translation>%1 Antwort: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One rating as a screen reader says it: %1 the motivator, %2 its rating.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>Said by a screen reader once the ratings are shown: %1 is &quot;Rating by you&quot;, %2 the ratings, joined by the separator below.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two ratings said by a screen reader.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Please reply against question number  %1.  Then move previous or next, for this program to accept your reply.</source>
        <extracomment>The first line of the message when Evaluate finds a question without a stored reply; %1 is its number.</extracomment>
        <translation>Bitte beantworten Sie Frage Nr. %1. Gehen Sie dann mit „Zurück“ oder „Weiter“ zu einer anderen Frage, damit das Programm Ihre Antwort übernimmt.</translation>
    </message>
    <message>
        <source>Click on Cancel button to start again.</source>
        <extracomment>The second line of that message. &quot;Cancel&quot; names the button.</extracomment>
        <translation>Klicken Sie auf „Abbrechen“, um neu zu beginnen.</translation>
    </message>
    <message>
        <source>Here is the result ! The highest rating indicates the most dominant motivator and the lowest rating indicates the least dominant motivator for you.  Compare it with your earlier selected motivator.</source>
        <extracomment>The first paragraph of the message that comes with the ratings.</extracomment>
        <translation>Hier ist das Ergebnis! Die höchste Bewertung zeigt den für Sie stärksten Motivator, die niedrigste Bewertung den für Sie schwächsten. Vergleichen Sie das Ergebnis mit dem Motivator, den Sie vorher gewählt haben.</translation>
    </message>
    <message>
        <source>You may do this exercise at different times, on different days, to verify the consistency or changes in your motivators.</source>
        <extracomment>The second paragraph of the message that comes with the ratings.</extracomment>
        <translation>Sie können diese Übung zu verschiedenen Zeiten und an verschiedenen Tagen machen, um zu prüfen, ob Ihre Motivatoren gleich bleiben oder sich verändern.</translation>
    </message>
    <message>
        <source>Tolvar %1</source>
        <extracomment>The About message&apos;s first line: the program&apos;s name and %1 its version.</extracomment>
        <translation>Tolvar %1</translation>
    </message>
    <message>
        <source>Finds which of eight motivators drives you most, from your replies to 28 paired questions.</source>
        <extracomment>The About message&apos;s description of the program.</extracomment>
        <translation>Ermittelt aus Ihren Antworten auf 28 Paarvergleiche, welcher von acht Motivatoren Sie am stärksten antreibt.</translation>
    </message>
    <message>
        <source>Developed by the Tolvar project.</source>
        <translation>Entwickelt vom Tolvar-Projekt.</translation>
    </message>
    <message>
        <source>Contact: through the Tolvar project, as its README describes.</source>
        <translation>Kontakt: über das Tolvar-Projekt, wie in dessen README beschrieben.</translation>
    </message>
    <message>
        <source>About Tolvar</source>
        <extracomment>The title of the About message.</extracomment>
        <translation>Über Tolvar</translation>
    </message>
    <message>
        <source>After an evaluation, the Result menu copies, saves, prints or exports the result and compares it with earlier ones; %1 copies it as text.</source>
        <translation>Nach einer Auswertung können Sie das Ergebnis über das Menü „Ergebnis“ kopieren, speichern, drucken oder exportieren und mit früheren Ergebnissen vergleichen; mit %1 kopieren Sie es als Text.</translation>
    </message>
    <message>
        <source>A comparison follows an evaluation: reply to all 28 questions and click Evaluate, then compare the ratings with an earlier result.</source>
        <extracomment>The message when the user asks to compare before the ratings are shown.</extracomment>
        <translation>Ein Vergleich ist erst nach einer Auswertung möglich: Beantworten Sie alle 28 Fragen und klicken Sie auf „Auswerten“. Danach können Sie die Bewertungen mit einem früheren Ergebnis vergleichen.</translation>
    </message>
    <message>
        <source>There is no result yet: reply to all 28 questions and click Evaluate, then copy, save or print it.</source>
        <translation>Es gibt noch kein Ergebnis: Beantworten Sie alle 28 Fragen und klicken Sie auf „Auswerten“. Danach können Sie das Ergebnis kopieren, speichern oder drucken.</translation>
    </message>
</context>
</TS>
