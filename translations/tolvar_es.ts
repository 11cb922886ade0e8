<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Comparison</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotes a motivator or a line of the text the user gave, in a message about it.</extracomment>
        <translation>«%1»</translation>
    </message>
    <message numerus="yes">
        <source>%n of your 28 replies are the same as in the earlier result.</source>
        <extracomment>%n is how many of the 28 replies are the same in both results.</extracomment>
        <translation>
            <numerusform>%n de sus 28 respuestas coincide con la del resultado anterior.</numerusform>
            <numerusform>%n de sus 28 respuestas coinciden con las del resultado anterior.</numerusform>
        </translation>
    </message>
    <message>
        <source>The earlier result holds no replies, so only the ratings are compared.</source>
        <extracomment>Said of a result copied by a version that did not copy the replies.</extracomment>
        <translation>El resultado anterior no contiene las respuestas, así que solo se comparan las valoraciones.</translation>
    </message>
    <message>
        <source>The two orders of your motivators agree closely.</source>
        <extracomment>How closely the two orders of the motivators agree: the closest of four.</extracomment>
        <translation>El orden de sus motivadores se mantiene en gran medida de un resultado al otro.</translation>
    </message>
    <message>
        <source>The two orders of your motivators agree in part.</source>
        <extracomment>How closely the two orders of the motivators agree: the second of four.</extracomment>
        <translation>El orden de sus motivadores se mantiene en parte de un resultado al otro.</translation>
    </message>
    <message>
        <source>The two orders of your motivators hardly agree.</source>
        <extracomment>How closely the two orders of the motivators agree: the third of four.</extracomment>
        <translation>El orden de sus motivadores apenas se mantiene de un resultado al otro.</translation>
    </message>
    <message>
        <source>The two orders of your motivators are largely reversed.</source>
        <extracomment>How closely the two orders of the motivators agree: the last of four.</extracomment>
        <translation>El orden de sus motivadores se invierte en gran parte de un resultado al otro.</translation>
    </message>
    <message>
        <source>No rating moved by more than one point. One changed reply makes a change that small (one rating up by one, another down by one), so read nothing into it.</source>
        <extracomment>When no rating changed by more than one point.</extracomment>
        <translation>Ninguna valoración cambia más de un punto. Basta con cambiar una sola respuesta para producir un cambio así de pequeño (una valoración sube un punto y otra baja un punto), así que no saque conclusiones de ello.</translation>
    </message>
    <message>
        <source>%1 (from %2 to %3)</source>
        <extracomment>One motivator that moved most: %1 its name, %2 the earlier rating, %3 today&apos;s.</extracomment>
        <translation>%1 (de %2 a %3)</translation>
    </message>
    <message>
        <source>Moved most: %1.</source>
        <extracomment>%1 the motivators whose ratings moved most, joined by the separator below.</extracomment>
        <translation>Con el mayor cambio: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two motivators that moved most.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>A change of one point is as small as one changed reply makes (one rating up by one, another down by one), so read nothing into it.</source>
        <extracomment>After the motivators that moved most.</extracomment>
        <translation>Un cambio de un punto es tan pequeño como el que produce cambiar una sola respuesta (una valoración sube un punto y otra baja un punto), así que no saque conclusiones de él.</translation>
    </message>
    <message>
        <source>Earlier result copied %1.</source>
        <extracomment>%1 is the date and time the earlier result was copied, as the copy wrote it.</extracomment>
        <translation>Resultado anterior copiado el %1.</translation>
    </message>
    <message>
        <source>Marked as the most motivating, then and today: %1.</source>
        <extracomment>%1 is the motivator the user marked as the most motivating in both results.</extracomment>
        <translation>Seleccionado como el que más motiva, antes y hoy: %1.</translation>
    </message>
    <message>
        <source>Marked as the most motivating: then %1, today %2.</source>
        <extracomment>%1 the motivator marked as the most motivating in the earlier result, %2 today.</extracomment>
        <translation>Seleccionado como el que más motiva: antes %1, hoy %2.</translation>
    </message>
    <message>
        <source>Motivator</source>
        <extracomment>A column of the comparison: the motivator.</extracomment>
        <translation>Motivador</translation>
    </message>
    <message>
        <source>Earlier</source>
        <extracomment>A column of the comparison: the earlier rating.</extracomment>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>A column of the comparison: today&apos;s rating.</extracomment>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>A column of the comparison: today&apos;s rating less the earlier one.</extracomment>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Compare with Earlier Result</source>
        <extracomment>The title of the comparison&apos;s dialog, and the first line of its copy.</extracomment>
        <translation>Comparar con un resultado anterior</translation>
    </message>
    <message>
        <source>&amp;Paste or type the earlier result as Tolvar copied it:</source>
        <extracomment>Above the text field of the dialog that takes an earlier result.</extracomment>
        <translation>&amp;Pegue o escriba el resultado anterior tal como lo copió Tolvar:</translation>
    </message>
    <message>
        <source>On the clipboard: %1</source>
        <extracomment>In the dialog that takes an earlier result: why the clipboard&apos;s text was not taken; %1 says what is wrong with it.</extracomment>
        <translation>En el portapapeles: %1</translation>
    </message>
    <message>
        <source>A result copied %1, ready to compare.</source>
        <extracomment>In the dialog that takes an earlier result, once it holds one; %1 is the date and time it was copied.</extracomment>
        <translation>Un resultado copiado el %1, listo para comparar.</translation>
    </message>
    <message>
        <source>&amp;Ratings in today&apos;s order, the highest first:</source>
        <extracomment>Above the comparison&apos;s table. Keep an access key.</extracomment>
        <translation>&amp;Valoraciones en el orden de hoy, de mayor a menor:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>A button of the comparison&apos;s dialog that copies the comparison as text. Keep an access key.</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>No Tolvar result was found. Give the whole result as Tolvar copied it, from its first line on.</source>
        <extracomment>The text given as an earlier result holds none.</extracomment>
        <translation>No se encontró ningún resultado de Tolvar. Pegue o escriba el resultado completo tal como lo copió Tolvar, desde su primera línea.</translation>
    </message>
    <message>
        <source>The text holds %1 results; give only the one to compare with.</source>
        <extracomment>%1 is how many results the text holds (2 or more).</extracomment>
        <translation>El texto contiene %1 resultados; pegue solo aquel con el que desee comparar.</translation>
    </message>
    <message>
        <source>The line that names the motivator marked as the most motivating is missing below the result&apos;s first line.</source>
        <translation>Debajo de la primera línea del resultado falta la línea que indica el motivador seleccionado como el que más motiva.</translation>
    </message>
    <message>
        <source>This line names no motivator that Tolvar knows: %1.</source>
        <extracomment>%1 is the line, quoted.</extracomment>
        <translation>Esta línea no nombra ningún motivador que Tolvar conozca: %1.</translation>
    </message>
    <message>
        <source>The result has no rating for %1.</source>
        <extracomment>%1 is the motivator.</extracomment>
        <translation>El resultado no tiene ninguna valoración para %1.</translation>
    </message>
    <message>
        <source>The result rates %1 twice.</source>
        <extracomment>%1 is the motivator.</extracomment>
        <translation>El resultado tiene dos valoraciones para %1.</translation>
    </message>
    <message>
        <source>The result rates %1 %2, but a rating is 0 to 7.</source>
        <extracomment>%1 is the motivator, %2 the rating the text gives it.</extracomment>
        <translation>El resultado da a %1 la valoración %2, pero una valoración va de 0 a 7.</translation>
    </message>
    <message>
        <source>The ratings add up to %1, but a result&apos;s add up to 28.</source>
        <extracomment>%1 is the sum of the ratings the text gives.</extracomment>
        <translation>Las valoraciones suman %1, pero en un resultado siempre suman 28.</translation>
    </message>
    <message>
        <source>The replies may hold only the letters A and B: %1.</source>
        <extracomment>%1 is the line, quoted. The letters stay A and B in every language.</extracomment>
        <translation>Las respuestas solo pueden contener las letras A y B: %1.</translation>
    </message>
    <message>
        <source>The result holds %1 replies, but it should hold 28.</source>
        <extracomment>%1 is how many replies the text gives.</extracomment>
        <translation>El resultado contiene %1 en lugar de 28 respuestas.</translation>
    </message>
    <message>
        <source>The replies do not give the ratings beside them (%1 differs): the result was changed after it was copied.</source>
        <extracomment>%1 is a motivator whose rating the replies do not give.</extracomment>
        <translation>Las respuestas no corresponden a las valoraciones que las acompañan (%1 no coincide): el resultado se modificó después de copiarlo.</translation>
    </message>
    <message>
        <source>%1: %2 then, %3 today (%4)</source>
        <extracomment>A row of the copied comparison: %1 the motivator, %2 its earlier rating, %3 today&apos;s, %4 the change, as +2 or -1.</extracomment>
        <translation>%1: antes %2, hoy %3 (%4)</translation>
    </message>
    <message>
        <source>it holds no text.</source>
        <translation>no hay texto.</translation>
    </message>
    <message>
        <source>Pairs of motivators (28 in all) in the same order in both results: %1; in the opposite order: %2; tied in either result or both: %3 (Kendall&apos;s tau-b: %4, where 1 is the same order, 0 no relation and -1 the reverse order).</source>
        <extracomment>%1, %2, %3: how many pairs of motivators (28 in all) are in the same order in both results, in the opposite order, and tied (rated alike) in either result or both; each count, 0 to 28, stands after a colon so that no word agrees with it. %4 is Kendall&apos;s rank correlation, as 0.71 or -0.38.</extracomment>
        <translation>Pares de motivadores (28 en total) en el mismo orden en los dos resultados: %1; en el orden inverso: %2; con empate en uno de los dos resultados o en ambos: %3 (tau-b de Kendall: %4, donde 1 es el mismo orden, 0 ninguna relación y -1 el orden inverso).</translation>
    </message>
    <message numerus="yes">
        <source>%n results, ready to compare.</source>
        <extracomment>In the dialog that takes an earlier result, once it holds several; %n is how many (2 or more).</extracomment>
        <translation>
            <numerusform>%n resultado, listo para comparar.</numerusform>
            <numerusform>%n resultados, listos para comparar.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeptResults</name>
    <message>
        <source>Tolvar result %1</source>
        <extracomment>The title of the printed or exported result; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Resultado de Tolvar del %1</translation>
    </message>
    <message>
        <source>Tolvar result %1.pdf</source>
        <extracomment>The name Export as PDF suggests for the result&apos;s page; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Resultado de Tolvar %1.pdf</translation>
    </message>
    <message>
        <source>Every result given is today&apos;s own: there is nothing earlier to compare with.</source>
        <extracomment>When every result given is a copy of today&apos;s own.</extracomment>
        <translation>Todos los resultados proporcionados son copias del de hoy: no hay ningún resultado anterior con el que compararlo.</translation>
    </message>
    <message>
        <source>Tolvar result %1.txt</source>
        <extracomment>The name Save suggests for a result&apos;s file; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Resultado de Tolvar %1.txt</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <extracomment>The title of the dialog that saves the result.</extracomment>
        <translation>Guardar resultado como</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <extracomment>The kind of file Save writes, in its dialog.</extracomment>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>The result was not saved to %1: %2</source>
        <extracomment>When a result could not be saved: %1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo guardar el resultado como %1: %2</translation>
    </message>
    <message>
        <source>Result saved as %1.</source>
        <extracomment>Said by a screen reader once the result is saved; %1 is the file.</extracomment>
        <translation>Se guardó el resultado como %1.</translation>
    </message>
    <message>
        <source>Compare with Saved Results</source>
        <extracomment>The title of the dialog that picks saved results to compare with.</extracomment>
        <translation>Comparar con resultados guardados</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>The kinds of file the dialog offers: text files first, then any.</extracomment>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 was not compared: %2</source>
        <extracomment>When a file given as a saved result is refused: %1 the file, %2 why.</extracomment>
        <translation>No se pudo comparar %1: %2</translation>
    </message>
</context>
<context>
    <name>Motivator</name>
    <message>
        <source>  My availability and closeness to family members</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Mi disponibilidad para mis familiares y mi cercanía con ellos</translation>
    </message>
    <message>
        <source>My availability and closeness to famility members</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Mi disponibilidad para mis familiares y mi cercanía con ellos</translation>
    </message>
    <message>
        <source>  More material rewards and benefits</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Más recompensas materiales y prestaciones</translation>
    </message>
    <message>
        <source>More material rewards and benefits</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Más recompensas materiales y prestaciones</translation>
    </message>
    <message>
        <source>  Status, power and leadership</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Estatus, poder y liderazgo</translation>
    </message>
    <message>
        <source>Status, power and leadership</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Estatus, poder y liderazgo</translation>
    </message>
    <message>
        <source>  Autonomy  i.e. myself being my boss</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Autonomía, es decir, no tener más jefe que yo</translation>
    </message>
    <message>
        <source>Autonomy i.e. myself being my boss</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Autonomía, es decir, no tener más jefe que yo</translation>
    </message>
    <message>
        <source>  Practising and promoting ethics and other values in the society</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Practicar y promover la ética y otros valores en la sociedad</translation>
    </message>
    <message>
        <source>Practising and promoting ethics and other values in the society</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Practicar y promover la ética y otros valores en la sociedad</translation>
    </message>
    <message>
        <source>  Scope for recreational activities and innovation</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Oportunidades para actividades de ocio y para la innovación</translation>
    </message>
    <message>
        <source>Scope for recreational activities and innovation</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Oportunidades para actividades de ocio y para la innovación</translation>
    </message>
    <message>
        <source>  Challenges and risks of varying magnitude</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Retos y riesgos de distinta magnitud</translation>
    </message>
    <message>
        <source>Challenges and risks of varying magnitude</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Retos y riesgos de distinta magnitud</translation>
    </message>
    <message>
        <source>  Security</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Seguridad</translation>
    </message>
    <message>
        <source>Security</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Seguridad</translation>
    </message>
</context>
<context>
    <name>OverTime</name>
    <message>
        <source>Your results over time</source>
        <extracomment>The title of the dialog that shows several results side by side, and the first line of its copy and of its printed page.</extracomment>
        <translation>Sus resultados a lo largo del tiempo</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the ratings of one motivator, oldest first, as &quot;3, 4, 6&quot;; and between the times of the results in their copy.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Its order of your motivators agrees closely with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the closest of four; %1 is Kendall&apos;s tau-b, as 0.71.</extracomment>
        <translation>El orden de sus motivadores en ese resultado coincide en gran medida con el de hoy (tau-b %1).</translation>
    </message>
    <message>
        <source>Its order of your motivators agrees in part with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the second of four; %1 is Kendall&apos;s tau-b, as 0.42.</extracomment>
        <translation>El orden de sus motivadores en ese resultado coincide en parte con el de hoy (tau-b %1).</translation>
    </message>
    <message>
        <source>Its order of your motivators hardly agrees with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the third of four; %1 is Kendall&apos;s tau-b, as 0.12.</extracomment>
        <translation>El orden de sus motivadores en ese resultado apenas coincide con el de hoy (tau-b %1).</translation>
    </message>
    <message>
        <source>Its order of your motivators is largely the reverse of today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the last of four; %1 is Kendall&apos;s tau-b, as -0.55.</extracomment>
        <translation>El orden de sus motivadores en ese resultado es en gran parte el inverso del de hoy (tau-b %1).</translation>
    </message>
    <message numerus="yes">
        <source>Your result of %1: %n of its 28 replies are the same as today.</source>
        <extracomment>%1 is the date and time an earlier result was copied; %n how many of its 28 replies are the same as today&apos;s.</extracomment>
        <translation>
            <numerusform>Su resultado del %1: %n de sus 28 respuestas coincide con la de hoy.</numerusform>
            <numerusform>Su resultado del %1: %n de sus 28 respuestas coinciden con las de hoy.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result of %1 holds no replies, so only its ratings are compared.</source>
        <extracomment>%1 is the date and time an earlier result was copied, by a version that did not copy the replies.</extracomment>
        <translation>Su resultado del %1 no contiene las respuestas, así que solo se comparan sus valoraciones.</translation>
    </message>
    <message>
        <source>Only today&apos;s result is here, so there is nothing to compare it with yet.</source>
        <extracomment>Where the dialog shows today&apos;s result alone.</extracomment>
        <translation>Solo se muestra el resultado de hoy, así que todavía no hay ningún otro con el que compararlo.</translation>
    </message>
    <message>
        <source>No motivator was rated highest in every result.</source>
        <extracomment>Where the motivator rated highest was not the same in every result.</extracomment>
        <translation>Ningún motivador fue el mejor valorado en todos los resultados.</translation>
    </message>
    <message numerus="yes">
        <source>Rated highest in every result: %1.</source>
        <extracomment>%1 the motivators rated highest (alone or tied) in every result, today&apos;s included, joined by the separator below; %n how many they are, for the verb&apos;s agreement.</extracomment>
        <translation>
            <numerusform>El mejor valorado en todos los resultados: %1.</numerusform>
            <numerusform>Los mejor valorados en todos los resultados: %1.</numerusform>
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
        <translation>El coeficiente tau-b de Kendall compara los pares de motivadores que están en el mismo orden con los que están en el orden inverso: 1 es el mismo orden, 0 ninguna relación y -1 el orden inverso.</translation>
    </message>
    <message>
        <source>Motivator</source>
        <extracomment>A column of the results over time: the motivator.</extracomment>
        <translation>Motivador</translation>
    </message>
    <message>
        <source>Over time</source>
        <extracomment>A column of the results over time: a small chart of one motivator&apos;s ratings, oldest first.</extracomment>
        <translation>Evolución</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The column of today&apos;s rating in the results over time.</extracomment>
        <translation>Hoy</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Ratings in your %n results, the oldest first and today&apos;s last, the motivators in today&apos;s order:</source>
        <extracomment>Above the table of results over time; %n is how many results it shows. Keep an access key.</extracomment>
        <translation>
            <numerusform>&amp;Valoraciones de %n resultado (el de hoy), con los motivadores en el orden de hoy:</numerusform>
            <numerusform>&amp;Valoraciones de sus %n resultados, del más antiguo al de hoy, con los motivadores en el orden de hoy:</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s result, %1</source>
        <extracomment>The tooltip of the column of today&apos;s rating; %1 is the date and time now.</extracomment>
        <translation>Resultado de hoy, %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>A button of the results over time that copies them as text. Keep an access key.</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>A button of the comparison and of the results over time that prints them. Keep an access key.</extracomment>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <extracomment>A button of the comparison and of the results over time that saves them as a PDF document. Keep an access key.</extracomment>
        <translation>&amp;Exportar como PDF...</translation>
    </message>
    <message>
        <source>Tolvar results over time.pdf</source>
        <extracomment>The file name the PDF of the results over time is offered under; keep &quot;.pdf&quot;.</extracomment>
        <translation>Resultados de Tolvar a lo largo del tiempo.pdf</translation>
    </message>
    <message>
        <source>today (%1)</source>
        <extracomment>In the copy of the results over time, today&apos;s time; %1 is the date and time.</extracomment>
        <translation>hoy (%1)</translation>
    </message>
    <message>
        <source>Results of %1.</source>
        <extracomment>The copy&apos;s second line: the times of the results, oldest first, joined by &quot;, &quot;.</extracomment>
        <translation>Fechas de los resultados: %1.</translation>
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
        <translation>No se pudo imprimir en %1.</translation>
    </message>
    <message>
        <source>Printed to the file %1.</source>
        <extracomment>Told after the print dialog wrote the page to a file instead of a printer; %1 is the file&apos;s path.</extracomment>
        <translation>Se imprimió en el archivo %1.</translation>
    </message>
    <message>
        <source>Sent to the printer %1.</source>
        <extracomment>Told after the page went to the printer; %1 is the printer&apos;s name.</extracomment>
        <translation>Se envió a la impresora %1.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>Title of the file dialog that saves the result as a PDF document.</extracomment>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>Filter of the file dialog that saves the result; keep &quot;(*.pdf)&quot; exactly.</extracomment>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <extracomment>Told when the PDF could not be written; %1 is the file&apos;s path, %2 the system&apos;s reason (already translated by the system).</extracomment>
        <translation>No se pudo guardar %1: %2.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <extracomment>Told after the PDF was written; %1 is the file&apos;s path.</extracomment>
        <translation>Se guardó como %1.</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A message box button, as Qt names it. The messages refer to it as &quot;Cancel button&quot;.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes the comparison&apos;s dialog, as Qt names it.</extracomment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ResultFile</name>
    <message>
        <source>It is not written in UTF-8 or UTF-16.</source>
        <extracomment>Why a file was not read: it is text in an encoding Tolvar does not read.</extracomment>
        <translation>El archivo no está codificado en UTF-8 ni en UTF-16.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Why a file was not read: it holds something other than text.</extracomment>
        <translation>No es un archivo de texto.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <extracomment>Why a file was not read: the name chosen is a folder.</extracomment>
        <translation>Es una carpeta.</translation>
    </message>
    <message>
        <source>It is larger than %1, far larger than a saved result.</source>
        <extracomment>Why a file was not read: %1 is the most Tolvar reads, as &quot;1 MiB&quot;.</extracomment>
        <translation>El archivo ocupa más de %1, mucho más que un resultado guardado.</translation>
    </message>
</context>
<context>
    <name>ResultReport</name>
    <message numerus="yes">
        <source>Consistency: %n circular triads (0 is fully consistent, %1 the most possible, and random replies make %2 on average).</source>
        <extracomment>The copied result&apos;s last line, and the tooltip of &quot;Rating by you&quot;. %n circular triads: three motivators whose replies go round in a circle (A over B, B over C, C over A).</extracomment>
        <translation>
            <numerusform>Coherencia: %n tríada circular (0 significa coherencia total, %1 es el máximo posible y las respuestas al azar dan %2 en promedio).</numerusform>
            <numerusform>Coherencia: %n tríadas circulares (0 significa coherencia total, %1 es el máximo posible y las respuestas al azar dan %2 en promedio).</numerusform>
        </translation>
    </message>
    <message>
        <source>Tolvar result, copied %1</source>
        <extracomment>The copied result&apos;s first line; %1 is the date and time, as 2026-12-08T14:05.</extracomment>
        <translation>Resultado de Tolvar, copiado el %1</translation>
    </message>
    <message>
        <source>Marked as the most motivating: %1</source>
        <extracomment>The copied result&apos;s second line; %1 is the motivator the user marked at the start.</extracomment>
        <translation>Seleccionado como el que más motiva: %1</translation>
    </message>
    <message>
        <source>Replies: %1</source>
        <extracomment>The copied result&apos;s last line; %1 is the 28 replies in the letters A and B, in groups of four (&quot;ABBA ABAB ...&quot;). The letters stay A and B in every language.</extracomment>
        <translation>Respuestas: %1</translation>
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
        <translation>Seleccione aquí</translation>
    </message>
</context>
<context>
    <name>tolvar::ui::ResultMenu</name>
    <message>
        <source>&amp;Result</source>
        <extracomment>The menu in the window&apos;s menu bar that holds what can be done with a result. Keep an access key that no button of the window uses.</extracomment>
        <translation>Resul&amp;tado</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <extracomment>An entry of the Result menu (and the window&apos;s context menu) that copies the result as text. Keep an access key, different from the menu&apos;s other entries.</extracomment>
        <translation>&amp;Copiar resultado</translation>
    </message>
    <message>
        <source>&amp;Save Result As...</source>
        <extracomment>An entry of the Result menu that saves the result as a text file. Keep an access key.</extracomment>
        <translation>&amp;Guardar resultado como...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>An entry of the Result menu that prints the result. Keep an access key.</extracomment>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <extracomment>An entry of the Result menu that saves the result as a PDF file. Keep an access key.</extracomment>
        <translation>Exportar como P&amp;DF...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Earlier Result...</source>
        <extracomment>An entry of the Result menu that compares the result shown with an earlier copied one. Keep an access key.</extracomment>
        <translation>Co&amp;mparar con un resultado anterior...</translation>
    </message>
    <message>
        <source>Compare with Sa&amp;ved Results...</source>
        <extracomment>An entry of the Result menu that compares the result shown with results saved in files. Keep an access key.</extracomment>
        <translation>Comparar con &amp;resultados guardados...</translation>
    </message>
</context>
<context>
    <name>tolvar::ui::frmForm001</name>
    <message>
        <source>&amp;Proceed</source>
        <extracomment>A button; its caption changes to &quot;&amp;Start New&quot; once the questions start. Keep an access key.</extracomment>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>&amp;Start New</source>
        <extracomment>The Proceed button&apos;s caption once the questions have started. Keep an access key.</extracomment>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button that ends the program. Keep an access key.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <extracomment>A button that shows the program&apos;s information. Keep an access key.</extracomment>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Select one of the following, which motivates you the most or you prefer the most, while deciding on any of your activities and then click on Proceed button..</source>
        <extracomment>The instruction above the motivators. &quot;Proceed&quot; names the Proceed button.</extracomment>
        <translation>Seleccione, de entre los siguientes, el que más le motiva o el que prefiere por encima de los demás cuando decide sobre cualquiera de sus actividades, y luego haga clic en el botón Continuar.</translation>
    </message>
    <message>
        <source>Rating by you</source>
        <extracomment>The heading above the eight ratings, beside the motivators.</extracomment>
        <translation>Su valoración</translation>
    </message>
    <message>
        <source>Rating of %1</source>
        <extracomment>What a screen reader says of a rating; %1 is the motivator it rates.</extracomment>
        <translation>Valoración de %1</translation>
    </message>
    <message>
        <source>Question  No.  =</source>
        <extracomment>Stands before the number of the question shown, 1 to 28.</extracomment>
        <translation>Pregunta n.º</translation>
    </message>
    <message>
        <source>A]</source>
        <extracomment>Marks side A of the question; the selector&apos;s entry &quot;A&quot; picks it.</extracomment>
        <translation>A)</translation>
    </message>
    <message>
        <source>Which one of the following two, motivates you more ?</source>
        <extracomment>The question above its two sides.</extracomment>
        <translation>¿Cuál de las dos opciones siguientes le motiva más?</translation>
    </message>
    <message>
        <source>B]</source>
        <extracomment>Marks side B of the question; the selector&apos;s entry &quot;B&quot; picks it.</extracomment>
        <translation>B)</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <extracomment>A button that stores the reply and shows the question before. Keep an access key.</extracomment>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>A button that stores the reply and shows the next question. Keep an access key.</extracomment>
        <translation>Si&amp;guiente</translation>
    </message>
    <message>
        <source>&amp;Evaluate</source>
        <extracomment>A button that counts the ratings once every question has a stored reply. Keep an access key.</extracomment>
        <translation>&amp;Evaluar</translation>
    </message>
    <message>
        <source>Result copied.</source>
        <extracomment>Said by a screen reader after the result was copied.</extracomment>
        <translation>Resultado copiado.</translation>
    </message>
    <message>
        <source>Now reply to following  28  questions, one by one, to get some interesting information about yourself. You can quit at any time, if you don&apos;t wish to continue.</source>
        <extracomment>The message after Proceed, before the first question. Keep the number 28.</extracomment>
        <translation>Ahora responda, una por una, a las 28 preguntas siguientes para obtener información interesante sobre usted. Puede salir en cualquier momento si no desea continuar.</translation>
    </message>
    <message>
        <source>Question %1: A] %2. B] %3.</source>
        <extracomment>What a screen reader says of the reply selector: the question shown, %1 its number, %2 and %3 its sides A and B.</extracomment>
        <translation>Pregunta %1: A) %2. B) %3.</translation>
    </message>
    <message>
        <source>%1 Reply: %2.</source>
        <extracomment>Said by a screen reader after Next or Previous: %1 the question, as &quot;Question 2: A] ... B] ...&quot;, %2 the reply shown in the selector.</extracomment>
        <translation>%1 Respuesta: %2.</translation>
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
        <translation>Responda a la pregunta número %1. Después pase a la anterior o a la siguiente para que el programa acepte su respuesta.</translation>
    </message>
    <message>
        <source>Click on Cancel button to start again.</source>
        <extracomment>The second line of that message. &quot;Cancel&quot; names the button.</extracomment>
        <translation>Haga clic en el botón Cancelar para empezar de nuevo.</translation>
    </message>
    <message>
        <source>Here is the result ! The highest rating indicates the most dominant motivator and the lowest rating indicates the least dominant motivator for you.  Compare it with your earlier selected motivator.</source>
        <extracomment>The first paragraph of the message that comes with the ratings.</extracomment>
        <translation>¡Este es el resultado! La valoración más alta indica su motivador más dominante, y la más baja, el menos dominante. Compare el resultado con el motivador que seleccionó al principio.</translation>
    </message>
    <message>
        <source>You may do this exercise at different times, on different days, to verify the consistency or changes in your motivators.</source>
        <extracomment>The second paragraph of the message that comes with the ratings.</extracomment>
        <translation>Puede hacer este ejercicio en distintos momentos y en días diferentes para comprobar si sus motivadores se mantienen constantes o cambian.</translation>
    </message>
    <message>
        <source>Tolvar %1</source>
        <extracomment>The About message&apos;s first line: the program&apos;s name and %1 its version.</extracomment>
        <translation>Tolvar %1</translation>
    </message>
    <message>
        <source>Finds which of eight motivators drives you most, from your replies to 28 paired questions.</source>
        <extracomment>The About message&apos;s description of the program.</extracomment>
        <translation>Determina cuál de los ocho motivadores es el que más le impulsa, a partir de sus respuestas a 28 preguntas que los comparan de dos en dos.</translation>
    </message>
    <message>
        <source>Developed by the Tolvar project.</source>
        <translation>Desarrollado por el proyecto Tolvar.</translation>
    </message>
    <message>
        <source>Contact: through the Tolvar project, as its README describes.</source>
        <translation>Contacto: a través del proyecto Tolvar, como se indica en su archivo README.</translation>
    </message>
    <message>
        <source>About Tolvar</source>
        <extracomment>The title of the About message.</extracomment>
        <translation>Acerca de Tolvar</translation>
    </message>
    <message>
        <source>After an evaluation, the Result menu copies, saves, prints or exports the result and compares it with earlier ones; %1 copies it as text.</source>
        <translation>Tras una evaluación, el menú Resultado permite copiar, guardar, imprimir o exportar el resultado y compararlo con otros anteriores; %1 lo copia como texto.</translation>
    </message>
    <message>
        <source>A comparison follows an evaluation: reply to all 28 questions and click Evaluate, then compare the ratings with an earlier result.</source>
        <extracomment>The message when the user asks to compare before the ratings are shown.</extracomment>
        <translation>La comparación se hace después de una evaluación: responda a las 28 preguntas, haga clic en el botón Evaluar y luego compare las valoraciones con un resultado anterior.</translation>
    </message>
    <message>
        <source>There is no result yet: reply to all 28 questions and click Evaluate, then copy, save or print it.</source>
        <translation>Todavía no hay ningún resultado: responda a las 28 preguntas, haga clic en el botón Evaluar y luego copie, guarde o imprima el resultado.</translation>
    </message>
</context>
</TS>
