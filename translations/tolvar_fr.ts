<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Comparison</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotes a motivator or a line of the text the user gave, in a message about it.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>%n of your 28 replies are the same as in the earlier result.</source>
        <extracomment>%n is how many of the 28 replies are the same in both results.</extracomment>
        <translation>
            <numerusform>Réponses identiques à celles du résultat antérieur&#xa0;: %n sur 28.</numerusform>
            <numerusform>Réponses identiques à celles du résultat antérieur&#xa0;: %n sur 28.</numerusform>
        </translation>
    </message>
    <message>
        <source>The earlier result holds no replies, so only the ratings are compared.</source>
        <extracomment>Said of a result copied by a version that did not copy the replies.</extracomment>
        <translation>Le résultat antérieur ne contient aucune réponse, donc seules les notes sont comparées.</translation>
    </message>
    <message>
        <source>The two orders of your motivators agree closely.</source>
        <extracomment>How closely the two orders of the motivators agree: the closest of four.</extracomment>
        <translation>Les deux classements de vos facteurs de motivation concordent étroitement.</translation>
    </message>
    <message>
        <source>The two orders of your motivators agree in part.</source>
        <extracomment>How closely the two orders of the motivators agree: the second of four.</extracomment>
        <translation>Les deux classements de vos facteurs de motivation concordent en partie.</translation>
    </message>
    <message>
        <source>The two orders of your motivators hardly agree.</source>
        <extracomment>How closely the two orders of the motivators agree: the third of four.</extracomment>
        <translation>Les deux classements de vos facteurs de motivation concordent à peine.</translation>
    </message>
    <message>
        <source>The two orders of your motivators are largely reversed.</source>
        <extracomment>How closely the two orders of the motivators agree: the last of four.</extracomment>
        <translation>Les deux classements de vos facteurs de motivation sont en grande partie inversés.</translation>
    </message>
    <message>
        <source>No rating moved by more than one point. One changed reply makes a change that small (one rating up by one, another down by one), so read nothing into it.</source>
        <extracomment>When no rating changed by more than one point.</extracomment>
        <translation>Aucune note n’a varié de plus d’un point. Une seule réponse modifiée suffit à produire une variation aussi faible (une note monte d’un point, une autre baisse d’un point)&#x202f;; n’en tirez donc aucune conclusion.</translation>
    </message>
    <message>
        <source>%1 (from %2 to %3)</source>
        <extracomment>One motivator that moved most: %1 its name, %2 the earlier rating, %3 today&apos;s.</extracomment>
        <translation>%1 (de %2 à %3)</translation>
    </message>
    <message>
        <source>Moved most: %1.</source>
        <extracomment>%1 the motivators whose ratings moved most, joined by the separator below.</extracomment>
        <translation>Plus forte variation&#xa0;: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two motivators that moved most.</extracomment>
        <translation>&#x202f;; </translation>
    </message>
    <message>
        <source>A change of one point is as small as one changed reply makes (one rating up by one, another down by one), so read nothing into it.</source>
        <extracomment>After the motivators that moved most.</extracomment>
        <translation>Une variation d’un point ne dépasse pas ce que produit une seule réponse modifiée (une note monte d’un point, une autre baisse d’un point)&#x202f;; n’en tirez donc aucune conclusion.</translation>
    </message>
    <message>
        <source>Earlier result copied %1.</source>
        <extracomment>%1 is the date and time the earlier result was copied, as the copy wrote it.</extracomment>
        <translation>Résultat antérieur copié le %1.</translation>
    </message>
    <message>
        <source>Marked as the most motivating, then and today: %1.</source>
        <extracomment>%1 is the motivator the user marked as the most motivating in both results.</extracomment>
        <translation>Choisi comme le plus motivant, avant comme aujourd’hui&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Marked as the most motivating: then %1, today %2.</source>
        <extracomment>%1 the motivator marked as the most motivating in the earlier result, %2 today.</extracomment>
        <translation>Choisi comme le plus motivant&#xa0;: avant, %1&#x202f;; aujourd’hui, %2.</translation>
    </message>
    <message>
        <source>Motivator</source>
        <extracomment>A column of the comparison: the motivator.</extracomment>
        <translation>Facteur de motivation</translation>
    </message>
    <message>
        <source>Earlier</source>
        <extracomment>A column of the comparison: the earlier rating.</extracomment>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>A column of the comparison: today&apos;s rating.</extracomment>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>A column of the comparison: today&apos;s rating less the earlier one.</extracomment>
        <translation>Variation</translation>
    </message>
    <message>
        <source>Compare with Earlier Result</source>
        <extracomment>The title of the comparison&apos;s dialog, and the first line of its copy.</extracomment>
        <translation>Comparer avec un résultat antérieur</translation>
    </message>
    <message>
        <source>&amp;Paste or type the earlier result as Tolvar copied it:</source>
        <extracomment>Above the text field of the dialog that takes an earlier result.</extracomment>
        <translation>&amp;Collez ou saisissez le résultat antérieur tel que Tolvar l’a copié&#xa0;:</translation>
    </message>
    <message>
        <source>On the clipboard: %1</source>
        <extracomment>In the dialog that takes an earlier result: why the clipboard&apos;s text was not taken; %1 says what is wrong with it.</extracomment>
        <translation>Presse-papiers&#xa0;: %1</translation>
    </message>
    <message>
        <source>A result copied %1, ready to compare.</source>
        <extracomment>In the dialog that takes an earlier result, once it holds one; %1 is the date and time it was copied.</extracomment>
        <translation>Résultat copié le %1, prêt à être comparé.</translation>
    </message>
    <message>
        <source>&amp;Ratings in today&apos;s order, the highest first:</source>
        <extracomment>Above the comparison&apos;s table. Keep an access key.</extracomment>
        <translation>&amp;Notes dans l’ordre d’aujourd’hui, de la plus élevée à la plus basse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>A button of the comparison&apos;s dialog that copies the comparison as text. Keep an access key.</extracomment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>No Tolvar result was found. Give the whole result as Tolvar copied it, from its first line on.</source>
        <extracomment>The text given as an earlier result holds none.</extracomment>
        <translation>Aucun résultat de Tolvar n’a été trouvé. Fournissez le résultat complet tel que Tolvar l’a copié, à partir de sa première ligne.</translation>
    </message>
    <message>
        <source>The text holds %1 results; give only the one to compare with.</source>
        <extracomment>%1 is how many results the text holds (2 or more).</extracomment>
        <translation>Le texte contient %1&#xa0;résultats&#x202f;; ne fournissez que celui à comparer.</translation>
    </message>
    <message>
        <source>The line that names the motivator marked as the most motivating is missing below the result&apos;s first line.</source>
        <translation>Sous la première ligne du résultat, il manque la ligne qui indique le facteur de motivation choisi comme le plus motivant.</translation>
    </message>
    <message>
        <source>This line names no motivator that Tolvar knows: %1.</source>
        <extracomment>%1 is the line, quoted.</extracomment>
        <translation>Cette ligne n’indique aucun facteur de motivation connu de Tolvar&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The result has no rating for %1.</source>
        <extracomment>%1 is the motivator.</extracomment>
        <translation>Le résultat ne contient aucune note pour %1.</translation>
    </message>
    <message>
        <source>The result rates %1 twice.</source>
        <extracomment>%1 is the motivator.</extracomment>
        <translation>Le résultat contient deux notes pour %1.</translation>
    </message>
    <message>
        <source>The result rates %1 %2, but a rating is 0 to 7.</source>
        <extracomment>%1 is the motivator, %2 the rating the text gives it.</extracomment>
        <translation>Le résultat attribue à %1 la note %2, alors qu’une note va de 0 à 7.</translation>
    </message>
    <message>
        <source>The ratings add up to %1, but a result&apos;s add up to 28.</source>
        <extracomment>%1 is the sum of the ratings the text gives.</extracomment>
        <translation>La somme des notes est de %1, alors qu’elle doit être de 28 dans un résultat.</translation>
    </message>
    <message>
        <source>The replies may hold only the letters A and B: %1.</source>
        <extracomment>%1 is the line, quoted. The letters stay A and B in every language.</extracomment>
        <translation>Les réponses ne peuvent contenir que les lettres A et B&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The result holds %1 replies, but it should hold 28.</source>
        <extracomment>%1 is how many replies the text gives.</extracomment>
        <translation>Le résultat devrait contenir 28&#xa0;réponses, mais il en contient %1.</translation>
    </message>
    <message>
        <source>The replies do not give the ratings beside them (%1 differs): the result was changed after it was copied.</source>
        <extracomment>%1 is a motivator whose rating the replies do not give.</extracomment>
        <translation>Les réponses ne correspondent pas aux notes qui les accompagnent (la note de %1 diffère)&#xa0;: le résultat a été modifié après avoir été copié.</translation>
    </message>
    <message>
        <source>%1: %2 then, %3 today (%4)</source>
        <extracomment>A row of the copied comparison: %1 the motivator, %2 its earlier rating, %3 today&apos;s, %4 the change, as +2 or -1.</extracomment>
        <translation>%1&#xa0;: %2 avant, %3 aujourd’hui (%4)</translation>
    </message>
    <message>
        <source>it holds no text.</source>
        <translation>il ne contient aucun texte.</translation>
    </message>
    <message>
        <source>Pairs of motivators (28 in all) in the same order in both results: %1; in the opposite order: %2; tied in either result or both: %3 (Kendall&apos;s tau-b: %4, where 1 is the same order, 0 no relation and -1 the reverse order).</source>
        <extracomment>%1, %2, %3: how many pairs of motivators (28 in all) are in the same order in both results, in the opposite order, and tied (rated alike) in either result or both; each count, 0 to 28, stands after a colon so that no word agrees with it. %4 is Kendall&apos;s rank correlation, as 0.71 or -0.38.</extracomment>
        <translation>Paires de facteurs de motivation (28 en tout) dans le même ordre dans les deux résultats&#xa0;: %1&#xa0;; dans l’ordre inverse&#xa0;: %2&#xa0;; à égalité dans l’un des deux résultats ou dans les deux&#xa0;: %3 (tau-b de Kendall&#xa0;: %4, où 1 signifie le même ordre, 0 aucun lien et -1 l’ordre inverse).</translation>
    </message>
    <message numerus="yes">
        <source>%n results, ready to compare.</source>
        <extracomment>In the dialog that takes an earlier result, once it holds several; %n is how many (2 or more).</extracomment>
        <translation>
            <numerusform>%n&#xa0;résultat prêt à être comparé.</numerusform>
            <numerusform>%n&#xa0;résultats prêts à être comparés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeptResults</name>
    <message>
        <source>Tolvar result %1</source>
        <extracomment>The title of the printed or exported result; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Résultat de Tolvar du %1</translation>
    </message>
    <message>
        <source>Tolvar result %1.pdf</source>
        <extracomment>The name Export as PDF suggests for the result&apos;s page; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Résultat de Tolvar %1.pdf</translation>
    </message>
    <message>
        <source>Every result given is today&apos;s own: there is nothing earlier to compare with.</source>
        <extracomment>When every result given is a copy of today&apos;s own.</extracomment>
        <translation>Tous les résultats fournis sont des copies de celui d’aujourd’hui&#xa0;: il n’y a aucun résultat antérieur avec lequel le comparer.</translation>
    </message>
    <message>
        <source>Tolvar result %1.txt</source>
        <extracomment>The name Save suggests for a result&apos;s file; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Résultat de Tolvar %1.txt</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <extracomment>The title of the dialog that saves the result.</extracomment>
        <translation>Enregistrer le résultat sous</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <extracomment>The kind of file Save writes, in its dialog.</extracomment>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>The result was not saved to %1: %2</source>
        <extracomment>When a result could not be saved: %1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>Le résultat n’a pas pu être enregistré sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Result saved as %1.</source>
        <extracomment>Said by a screen reader once the result is saved; %1 is the file.</extracomment>
        <translation>Résultat enregistré sous %1.</translation>
    </message>
    <message>
        <source>Compare with Saved Results</source>
        <extracomment>The title of the dialog that picks saved results to compare with.</extracomment>
        <translation>Comparer avec des résultats enregistrés</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>The kinds of file the dialog offers: text files first, then any.</extracomment>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 was not compared: %2</source>
        <extracomment>When a file given as a saved result is refused: %1 the file, %2 why.</extracomment>
        <translation>Impossible de comparer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Motivator</name>
    <message>
        <source>  My availability and closeness to family members</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Ma disponibilité pour les membres de ma famille et ma proximité avec eux</translation>
    </message>
    <message>
        <source>My availability and closeness to famility members</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Ma disponibilité pour les membres de ma famille et ma proximité avec eux</translation>
    </message>
    <message>
        <source>  More material rewards and benefits</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Davantage de récompenses matérielles et d’avantages</translation>
    </message>
    <message>
        <source>More material rewards and benefits</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Davantage de récompenses matérielles et d’avantages</translation>
    </message>
    <message>
        <source>  Status, power and leadership</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Statut social, pouvoir et leadership</translation>
    </message>
    <message>
        <source>Status, power and leadership</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Statut social, pouvoir et leadership</translation>
    </message>
    <message>
        <source>  Autonomy  i.e. myself being my boss</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Autonomie, c’est-à-dire être mon propre patron</translation>
    </message>
    <message>
        <source>Autonomy i.e. myself being my boss</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Autonomie, c’est-à-dire être mon propre patron</translation>
    </message>
    <message>
        <source>  Practising and promoting ethics and other values in the society</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Pratiquer et promouvoir l’éthique et d’autres valeurs dans la société en général</translation>
    </message>
    <message>
        <source>Practising and promoting ethics and other values in the society</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Pratiquer et promouvoir l’éthique et d’autres valeurs dans la société en général</translation>
    </message>
    <message>
        <source>  Scope for recreational activities and innovation</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Possibilités de loisirs et d’innovation</translation>
    </message>
    <message>
        <source>Scope for recreational activities and innovation</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Possibilités de loisirs et d’innovation</translation>
    </message>
    <message>
        <source>  Challenges and risks of varying magnitude</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Défis et risques d’ampleur variable</translation>
    </message>
    <message>
        <source>Challenges and risks of varying magnitude</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Défis et risques d’ampleur variable</translation>
    </message>
    <message>
        <source>  Security</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Sécurité</translation>
    </message>
    <message>
        <source>Security</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Sécurité</translation>
    </message>
</context>
<context>
    <name>OverTime</name>
    <message>
        <source>Your results over time</source>
        <extracomment>The title of the dialog that shows several results side by side, and the first line of its copy and of its printed page.</extracomment>
        <translation>Vos résultats au fil du temps</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the ratings of one motivator, oldest first, as &quot;3, 4, 6&quot;; and between the times of the results in their copy.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Its order of your motivators agrees closely with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the closest of four; %1 is Kendall&apos;s tau-b, as 0.71.</extracomment>
        <translation>Le classement de vos facteurs de motivation dans ce résultat concorde étroitement avec celui d’aujourd’hui (tau-b&#xa0;: %1).</translation>
    </message>
    <message>
        <source>Its order of your motivators agrees in part with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the second of four; %1 is Kendall&apos;s tau-b, as 0.42.</extracomment>
        <translation>Le classement de vos facteurs de motivation dans ce résultat concorde en partie avec celui d’aujourd’hui (tau-b&#xa0;: %1).</translation>
    </message>
    <message>
        <source>Its order of your motivators hardly agrees with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the third of four; %1 is Kendall&apos;s tau-b, as 0.12.</extracomment>
        <translation>Le classement de vos facteurs de motivation dans ce résultat concorde à peine avec celui d’aujourd’hui (tau-b&#xa0;: %1).</translation>
    </message>
    <message>
        <source>Its order of your motivators is largely the reverse of today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the last of four; %1 is Kendall&apos;s tau-b, as -0.55.</extracomment>
        <translation>Le classement de vos facteurs de motivation dans ce résultat est en grande partie l’inverse de celui d’aujourd’hui (tau-b&#xa0;: %1).</translation>
    </message>
    <message numerus="yes">
        <source>Your result of %1: %n of its 28 replies are the same as today.</source>
        <extracomment>%1 is the date and time an earlier result was copied; %n how many of its 28 replies are the same as today&apos;s.</extracomment>
        <translation>
            <numerusform>Réponses de votre résultat du %1 identiques à celles d’aujourd’hui&#xa0;: %n sur 28.</numerusform>
            <numerusform>Réponses de votre résultat du %1 identiques à celles d’aujourd’hui&#xa0;: %n sur 28.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result of %1 holds no replies, so only its ratings are compared.</source>
        <extracomment>%1 is the date and time an earlier result was copied, by a version that did not copy the replies.</extracomment>
        <translation>Votre résultat du %1 ne contient aucune réponse, donc seules ses notes sont comparées.</translation>
    </message>
    <message>
        <source>Only today&apos;s result is here, so there is nothing to compare it with yet.</source>
        <extracomment>Where the dialog shows today&apos;s result alone.</extracomment>
        <translation>Seul le résultat d’aujourd’hui est disponible&#x202f;; il n’y a donc encore rien à comparer.</translation>
    </message>
    <message>
        <source>No motivator was rated highest in every result.</source>
        <extracomment>Where the motivator rated highest was not the same in every result.</extracomment>
        <translation>Aucun facteur de motivation n’a été le mieux noté dans chacun des résultats.</translation>
    </message>
    <message numerus="yes">
        <source>Rated highest in every result: %1.</source>
        <extracomment>%1 the motivators rated highest (alone or tied) in every result, today&apos;s included, joined by the separator below; %n how many they are, for the verb&apos;s agreement.</extracomment>
        <translation>
            <numerusform>Facteur de motivation le mieux noté dans chacun des résultats&#xa0;: %1.</numerusform>
            <numerusform>Facteurs de motivation les mieux notés dans chacun des résultats&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two motivators rated highest in every result.</extracomment>
        <translation>&#x202f;; </translation>
    </message>
    <message>
        <source>Kendall&apos;s tau-b weighs the pairs of motivators in the same order against those in the opposite order: 1 is the same order, 0 no relation and -1 the reverse order.</source>
        <extracomment>After the sentences on how each earlier order agrees with today&apos;s.</extracomment>
        <translation>Le tau-b de Kendall met en balance les paires de facteurs de motivation rangées dans le même ordre et celles rangées dans l’ordre inverse&#xa0;: 1 signifie le même ordre, 0 aucun lien et -1 l’ordre inverse.</translation>
    </message>
    <message>
        <source>Motivator</source>
        <extracomment>A column of the results over time: the motivator.</extracomment>
        <translation>Facteur de motivation</translation>
    </message>
    <message>
        <source>Over time</source>
        <extracomment>A column of the results over time: a small chart of one motivator&apos;s ratings, oldest first.</extracomment>
        <translation>Évolution</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The column of today&apos;s rating in the results over time.</extracomment>
        <translation>Aujourd’hui</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Ratings in your %n results, the oldest first and today&apos;s last, the motivators in today&apos;s order:</source>
        <extracomment>Above the table of results over time; %n is how many results it shows. Keep an access key.</extracomment>
        <translation>
            <numerusform>&amp;Notes de %n&#xa0;résultat, avec les facteurs de motivation rangés selon le classement actuel&#xa0;:</numerusform>
            <numerusform>&amp;Notes de vos %n&#xa0;résultats, du plus ancien à celui d’aujourd’hui, avec les facteurs de motivation rangés selon le classement actuel&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s result, %1</source>
        <extracomment>The tooltip of the column of today&apos;s rating; %1 is the date and time now.</extracomment>
        <translation>Résultat d’aujourd’hui, %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>A button of the results over time that copies them as text. Keep an access key.</extracomment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>A button of the comparison and of the results over time that prints them. Keep an access key.</extracomment>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <extracomment>A button of the comparison and of the results over time that saves them as a PDF document. Keep an access key.</extracomment>
        <translation>Exporter en &amp;PDF…</translation>
    </message>
    <message>
        <source>Tolvar results over time.pdf</source>
        <extracomment>The file name the PDF of the results over time is offered under; keep &quot;.pdf&quot;.</extracomment>
        <translation>Résultats de Tolvar au fil du temps.pdf</translation>
    </message>
    <message>
        <source>today (%1)</source>
        <extracomment>In the copy of the results over time, today&apos;s time; %1 is the date and time.</extracomment>
        <translation>aujourd’hui (%1)</translation>
    </message>
    <message>
        <source>Results of %1.</source>
        <extracomment>The copy&apos;s second line: the times of the results, oldest first, joined by &quot;, &quot;.</extracomment>
        <translation>Dates des résultats&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the copied results over time: %1 the motivator, %2 its ratings, oldest first, as &quot;3, 4, 6&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Could not print to %1.</source>
        <extracomment>Told after printing, when the chosen printer or file could not be opened or stopped with an error; %1 is the printer&apos;s name or the file&apos;s path.</extracomment>
        <translation>L’impression vers %1 a échoué.</translation>
    </message>
    <message>
        <source>Printed to the file %1.</source>
        <extracomment>Told after the print dialog wrote the page to a file instead of a printer; %1 is the file&apos;s path.</extracomment>
        <translation>Imprimé dans le fichier %1.</translation>
    </message>
    <message>
        <source>Sent to the printer %1.</source>
        <extracomment>Told after the page went to the printer; %1 is the printer&apos;s name.</extracomment>
        <translation>Envoyé à l’imprimante %1.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>Title of the file dialog that saves the result as a PDF document.</extracomment>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>Filter of the file dialog that saves the result; keep &quot;(*.pdf)&quot; exactly.</extracomment>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <extracomment>Told when the PDF could not be written; %1 is the file&apos;s path, %2 the system&apos;s reason (already translated by the system).</extracomment>
        <translation>Impossible d’enregistrer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <extracomment>Told after the PDF was written; %1 is the file&apos;s path.</extracomment>
        <translation>Enregistré sous %1.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes the comparison&apos;s dialog, as Qt names it.</extracomment>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ResultFile</name>
    <message>
        <source>It is not written in UTF-8 or UTF-16.</source>
        <extracomment>Why a file was not read: it is text in an encoding Tolvar does not read.</extracomment>
        <translation>Le fichier n’est encodé ni en UTF-8 ni en UTF-16.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Why a file was not read: it holds something other than text.</extracomment>
        <translation>Ce n’est pas un fichier texte.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <extracomment>Why a file was not read: the name chosen is a folder.</extracomment>
        <translation>C’est un dossier.</translation>
    </message>
    <message>
        <source>It is larger than %1, far larger than a saved result.</source>
        <extracomment>Why a file was not read: %1 is the most Tolvar reads, as &quot;1 MiB&quot;.</extracomment>
        <translation>Le fichier fait plus de %1, bien plus qu’un résultat enregistré.</translation>
    </message>
</context>
<context>
    <name>ResultReport</name>
    <message numerus="yes">
        <source>Consistency: %n circular triads (0 is fully consistent, %1 the most possible, and random replies make %2 on average).</source>
        <extracomment>The copied result&apos;s last line, and the tooltip of &quot;Rating by you&quot;. %n circular triads: three motivators whose replies go round in a circle (A over B, B over C, C over A).</extracomment>
        <translation>
            <numerusform>Cohérence&#xa0;: %n triade circulaire (0 signifie des réponses entièrement cohérentes, %1 est le maximum possible, et des réponses au hasard en donnent %2 en moyenne).</numerusform>
            <numerusform>Cohérence&#xa0;: %n triades circulaires (0 signifie des réponses entièrement cohérentes, %1 est le maximum possible, et des réponses au hasard en donnent %2 en moyenne).</numerusform>
        </translation>
    </message>
    <message>
        <source>Tolvar result, copied %1</source>
        <extracomment>The copied result&apos;s first line; %1 is the date and time, as 2026-12-08T14:05.</extracomment>
        <translation>Résultat de Tolvar, copié le %1</translation>
    </message>
    <message>
        <source>Marked as the most motivating: %1</source>
        <extracomment>The copied result&apos;s second line; %1 is the motivator the user marked at the start.</extracomment>
        <translation>Choisi comme le plus motivant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Replies: %1</source>
        <extracomment>The copied result&apos;s last line; %1 is the 28 replies in the letters A and B, in groups of four (&quot;ABBA ABAB ...&quot;). The letters stay A and B in every language.</extracomment>
        <translation>Réponses&#xa0;: %1</translation>
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
        <translation>Veuillez choisir ici</translation>
    </message>
</context>
<context>
    <name>tolvar::ui::ResultMenu</name>
    <message>
        <source>&amp;Result</source>
        <extracomment>The menu in the window&apos;s menu bar that holds what can be done with a result. Keep an access key that no button of the window uses.</extracomment>
        <translation>Résul&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <extracomment>An entry of the Result menu (and the window&apos;s context menu) that copies the result as text. Keep an access key, different from the menu&apos;s other entries.</extracomment>
        <translation>&amp;Copier le résultat</translation>
    </message>
    <message>
        <source>&amp;Save Result As...</source>
        <extracomment>An entry of the Result menu that saves the result as a text file. Keep an access key.</extracomment>
        <translation>Enregistrer le résultat &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>An entry of the Result menu that prints the result. Keep an access key.</extracomment>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <extracomment>An entry of the Result menu that saves the result as a PDF file. Keep an access key.</extracomment>
        <translation>Exporter en &amp;PDF…</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Earlier Result...</source>
        <extracomment>An entry of the Result menu that compares the result shown with an earlier copied one. Keep an access key.</extracomment>
        <translation>Co&amp;mparer avec un résultat antérieur…</translation>
    </message>
    <message>
        <source>Compare with Sa&amp;ved Results...</source>
        <extracomment>An entry of the Result menu that compares the result shown with results saved in files. Keep an access key.</extracomment>
        <translation>Comparer avec des résultats &amp;enregistrés…</translation>
    </message>
</context>
<context>
    <name>tolvar::ui::frmForm001</name>
    <message>
        <source>&amp;Proceed</source>
        <extracomment>A button; its caption changes to &quot;&amp;Start New&quot; once the questions start. Keep an access key.</extracomment>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>&amp;Start New</source>
        <extracomment>The Proceed button&apos;s caption once the questions have started. Keep an access key.</extracomment>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button that ends the program. Keep an access key.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <extracomment>A button that shows the program&apos;s information. Keep an access key.</extracomment>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>Select one of the following, which motivates you the most or you prefer the most, while deciding on any of your activities and then click on Proceed button..</source>
        <extracomment>The instruction above the motivators. &quot;Proceed&quot; names the Proceed button.</extracomment>
        <translation>Choisissez, parmi les propositions suivantes, celle qui vous motive le plus ou que vous privilégiez le plus quand vous prenez une décision sur l’une ou l’autre de vos activités, puis cliquez sur le bouton Continuer.</translation>
    </message>
    <message>
        <source>Rating by you</source>
        <extracomment>The heading above the eight ratings, beside the motivators.</extracomment>
        <translation>Votre note</translation>
    </message>
    <message>
        <source>Rating of %1</source>
        <extracomment>What a screen reader says of a rating; %1 is the motivator it rates.</extracomment>
        <translation>Note pour %1</translation>
    </message>
    <message>
        <source>Question  No.  =</source>
        <extracomment>Stands before the number of the question shown, 1 to 28.</extracomment>
        <translation>Question n°</translation>
    </message>
    <message>
        <source>A]</source>
        <extracomment>Marks side A of the question; the selector&apos;s entry &quot;A&quot; picks it.</extracomment>
        <translation>A)</translation>
    </message>
    <message>
        <source>Which one of the following two, motivates you more ?</source>
        <extracomment>The question above its two sides.</extracomment>
        <translation>Laquelle de ces deux propositions vous motive le plus&#x202f;?</translation>
    </message>
    <message>
        <source>B]</source>
        <extracomment>Marks side B of the question; the selector&apos;s entry &quot;B&quot; picks it.</extracomment>
        <translation>B)</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <extracomment>A button that stores the reply and shows the question before. Keep an access key.</extracomment>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>A button that stores the reply and shows the next question. Keep an access key.</extracomment>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Evaluate</source>
        <extracomment>A button that counts the ratings once every question has a stored reply. Keep an access key.</extracomment>
        <translation>É&amp;valuer</translation>
    </message>
    <message>
        <source>Result copied.</source>
        <extracomment>Said by a screen reader after the result was copied.</extracomment>
        <translation>Résultat copié.</translation>
    </message>
    <message>
        <source>Now reply to following  28  questions, one by one, to get some interesting information about yourself. You can quit at any time, if you don&apos;t wish to continue.</source>
        <extracomment>The message after Proceed, before the first question. Keep the number 28.</extracomment>
        <translation>Répondez maintenant aux 28&#xa0;questions suivantes, une par une, pour obtenir des informations intéressantes sur vous-même. Vous pouvez quitter à tout moment si vous ne souhaitez pas continuer.</translation>
    </message>
    <message>
        <source>Question %1: A] %2. B] %3.</source>
        <extracomment>What a screen reader says of the reply selector: the question shown, %1 its number, %2 and %3 its sides A and B.</extracomment>
        <translation>Question %1&#xa0;: A) %2. B) %3.</translation>
    </message>
    <message>
        <source>%1 Reply: %2.</source>
        <extracomment>Said by a screen reader after Next or Previous: %1 the question, as &quot;Question 2: A] ... B] ...&quot;, %2 the reply shown in the selector.</extracomment>
        <translation>%1 Réponse&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One rating as a screen reader says it: %1 the motivator, %2 its rating.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>Said by a screen reader once the ratings are shown: %1 is &quot;Rating by you&quot;, %2 the ratings, joined by the separator below.</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two ratings said by a screen reader.</extracomment>
        <translation>&#x202f;; </translation>
    </message>
    <message>
        <source>Please reply against question number  %1.  Then move previous or next, for this program to accept your reply.</source>
        <extracomment>The first line of the message when Evaluate finds a question without a stored reply; %1 is its number.</extracomment>
        <translation>Veuillez répondre à la question n°&#xa0;%1. Passez ensuite à la question précédente ou suivante pour que le programme enregistre votre réponse.</translation>
    </message>
    <message>
        <source>Click on Cancel button to start again.</source>
        <extracomment>The second line of that message. &quot;Cancel&quot; names the button.</extracomment>
        <translation>Cliquez sur le bouton Annuler pour recommencer.</translation>
    </message>
    <message>
        <source>Here is the result ! The highest rating indicates the most dominant motivator and the lowest rating indicates the least dominant motivator for you.  Compare it with your earlier selected motivator.</source>
        <extracomment>The first paragraph of the message that comes with the ratings.</extracomment>
        <translation>Voici le résultat&#x202f;! La note la plus élevée indique votre facteur de motivation le plus dominant, et la note la plus basse, le moins dominant. Comparez ce résultat avec le facteur de motivation que vous avez choisi au début.</translation>
    </message>
    <message>
        <source>You may do this exercise at different times, on different days, to verify the consistency or changes in your motivators.</source>
        <extracomment>The second paragraph of the message that comes with the ratings.</extracomment>
        <translation>Vous pouvez faire cet exercice à différents moments et à des jours différents pour vérifier si vos facteurs de motivation restent stables ou s’ils changent.</translation>
    </message>
    <message>
        <source>Tolvar %1</source>
        <extracomment>The About message&apos;s first line: the program&apos;s name and %1 its version.</extracomment>
        <translation>Tolvar %1</translation>
    </message>
    <message>
        <source>Finds which of eight motivators drives you most, from your replies to 28 paired questions.</source>
        <extracomment>The About message&apos;s description of the program.</extracomment>
        <translation>Détermine lequel des huit facteurs de motivation vous anime le plus, d’après vos réponses à 28&#xa0;questions qui les comparent deux à deux.</translation>
    </message>
    <message>
        <source>Developed by the Tolvar project.</source>
        <translation>Développé par le projet Tolvar.</translation>
    </message>
    <message>
        <source>Contact: through the Tolvar project, as its README describes.</source>
        <translation>Contact&#xa0;: par l’intermédiaire du projet Tolvar, comme l’indique son fichier README.</translation>
    </message>
    <message>
        <source>About Tolvar</source>
        <extracomment>The title of the About message.</extracomment>
        <translation>À propos de Tolvar</translation>
    </message>
    <message>
        <source>After an evaluation, the Result menu copies, saves, prints or exports the result and compares it with earlier ones; %1 copies it as text.</source>
        <translation>Après une évaluation, le menu Résultat permet de copier, d’enregistrer, d’imprimer ou d’exporter le résultat et de le comparer avec des résultats antérieurs&#x202f;; %1 le copie sous forme de texte.</translation>
    </message>
    <message>
        <source>A comparison follows an evaluation: reply to all 28 questions and click Evaluate, then compare the ratings with an earlier result.</source>
        <extracomment>The message when the user asks to compare before the ratings are shown.</extracomment>
        <translation>La comparaison vient après une évaluation&#xa0;: répondez aux 28&#xa0;questions et cliquez sur le bouton Évaluer, puis comparez les notes avec un résultat antérieur.</translation>
    </message>
    <message>
        <source>There is no result yet: reply to all 28 questions and click Evaluate, then copy, save or print it.</source>
        <translation>Il n’y a pas encore de résultat&#xa0;: répondez aux 28&#xa0;questions et cliquez sur le bouton Évaluer, puis copiez, enregistrez ou imprimez le résultat.</translation>
    </message>
</context>
</TS>
