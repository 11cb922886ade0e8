<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Motivator</name>
    <message>
        <source>  My availability and closeness to family members</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Für meine Familienangehörigen da sein und ihnen nahestehen</translation>
    </message>
    <message>
        <source>My availability and closeness to famility members</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Für meine Familienangehörigen da sein und ihnen nahestehen</translation>
    </message>
    <message>
        <source>  More material rewards and benefits</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  Mehr materielle Belohnungen und Vergünstigungen</translation>
    </message>
    <message>
        <source>More material rewards and benefits</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>Mehr materielle Belohnungen und Vergünstigungen</translation>
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
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <extracomment>A button that shows the program&apos;s information. Keep an access key.</extracomment>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Select one of the following, which motivates you the most or you prefer the most, while deciding on any of your activities and then click on Proceed button..</source>
        <extracomment>The instruction above the motivators. &quot;Proceed&quot; names the Proceed button.</extracomment>
        <translation>Wählen Sie von den folgenden Punkten den aus, der Sie am meisten motiviert oder den Sie am meisten bevorzugen, wenn Sie über Ihre Tätigkeiten entscheiden. Klicken Sie dann auf „Fortfahren“.</translation>
    </message>
    <message>
        <source>Rating by you</source>
        <extracomment>The heading above the eight ratings, beside the motivators.</extracomment>
        <translation>Ihre Bewertung</translation>
    </message>
    <message>
        <source>Rating of %1</source>
        <extracomment>What a screen reader says of a rating; %1 is the motivator it rates.</extracomment>
        <translation>Bewertung für %1</translation>
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
        <translation>&amp;Auswerten</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <extracomment>The entry of the window&apos;s context menu that copies the result as text. Keep an access key.</extracomment>
        <translation>Ergebnis &amp;kopieren</translation>
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
        <source>After an evaluation, %1 copies the result as text.</source>
        <translation>Nach einer Auswertung kopiert %1 das Ergebnis als Text.</translation>
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
</context>
</TS>
