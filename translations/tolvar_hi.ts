<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>Motivator</name>
    <message>
        <source>  My availability and closeness to family members</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  परिवार के सदस्यों के लिए मेरा उपलब्ध रहना और उनसे मेरी निकटता</translation>
    </message>
    <message>
        <source>My availability and closeness to famility members</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>परिवार के सदस्यों के लिए मेरा उपलब्ध रहना और उनसे मेरी निकटता</translation>
    </message>
    <message>
        <source>  More material rewards and benefits</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  अधिक भौतिक पुरस्कार और लाभ</translation>
    </message>
    <message>
        <source>More material rewards and benefits</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>अधिक भौतिक पुरस्कार और लाभ</translation>
    </message>
    <message>
        <source>  Status, power and leadership</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  प्रतिष्ठा, शक्ति और नेतृत्व</translation>
    </message>
    <message>
        <source>Status, power and leadership</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>प्रतिष्ठा, शक्ति और नेतृत्व</translation>
    </message>
    <message>
        <source>  Autonomy  i.e. myself being my boss</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  स्वायत्तता, यानी मेरा अपना मालिक ख़ुद होना</translation>
    </message>
    <message>
        <source>Autonomy i.e. myself being my boss</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>स्वायत्तता, यानी मेरा अपना मालिक ख़ुद होना</translation>
    </message>
    <message>
        <source>  Practising and promoting ethics and other values in the society</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  समाज में नैतिकता और अन्य मूल्यों का पालन करना और उन्हें बढ़ावा देना</translation>
    </message>
    <message>
        <source>Practising and promoting ethics and other values in the society</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>समाज में नैतिकता और अन्य मूल्यों का पालन करना और उन्हें बढ़ावा देना</translation>
    </message>
    <message>
        <source>  Scope for recreational activities and innovation</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  मनोरंजन की गतिविधियों और नवाचार के अवसर</translation>
    </message>
    <message>
        <source>Scope for recreational activities and innovation</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>मनोरंजन की गतिविधियों और नवाचार के अवसर</translation>
    </message>
    <message>
        <source>  Challenges and risks of varying magnitude</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  अलग-अलग स्तर की चुनौतियाँ और जोखिम</translation>
    </message>
    <message>
        <source>Challenges and risks of varying magnitude</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>अलग-अलग स्तर की चुनौतियाँ और जोखिम</translation>
    </message>
    <message>
        <source>  Security</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  सुरक्षा</translation>
    </message>
    <message>
        <source>Security</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>सुरक्षा</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>A message box button, as Qt names it.</extracomment>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A message box button, as Qt names it. The messages refer to it as &quot;Cancel button&quot;.</extracomment>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>ResultReport</name>
    <message numerus="yes">
        <source>Consistency: %n circular triads (0 is fully consistent, %1 the most possible, and random replies make %2 on average).</source>
        <extracomment>The copied result&apos;s last line, and the tooltip of &quot;Rating by you&quot;. %n circular triads: three motivators whose replies go round in a circle (A over B, B over C, C over A).</extracomment>
        <translation>
            <numerusform>सुसंगतता: %n चक्रीय त्रिक (0 का अर्थ है पूरी तरह सुसंगत, %1 अधिकतम संभव है, और संयोग से चुने गए उत्तरों से औसतन %2 आते हैं)।</numerusform>
            <numerusform>सुसंगतता: %n चक्रीय त्रिक (0 का अर्थ है पूरी तरह सुसंगत, %1 अधिकतम संभव है, और संयोग से चुने गए उत्तरों से औसतन %2 आते हैं)।</numerusform>
        </translation>
    </message>
    <message>
        <source>Tolvar result, copied %1</source>
        <extracomment>The copied result&apos;s first line; %1 is the date and time, as 2026-12-08T14:05.</extracomment>
        <translation>Tolvar का परिणाम, कॉपी करने का समय: %1</translation>
    </message>
    <message>
        <source>Marked as the most motivating: %1</source>
        <extracomment>The copied result&apos;s second line; %1 is the motivator the user marked at the start.</extracomment>
        <translation>सबसे अधिक प्रेरित करने वाले के रूप में चुना गया: %1</translation>
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
        <translation>कृपया यहाँ चुनें</translation>
    </message>
</context>
<context>
    <name>tolvar::ui::frmForm001</name>
    <message>
        <source>&amp;Proceed</source>
        <extracomment>A button; its caption changes to &quot;&amp;Start New&quot; once the questions start. Keep an access key.</extracomment>
        <translation>आगे बढ़ें (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Start New</source>
        <extracomment>The Proceed button&apos;s caption once the questions have started. Keep an access key.</extracomment>
        <translation>फिर से शुरू करें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button that ends the program. Keep an access key.</extracomment>
        <translation>बाहर निकलें (&amp;Q)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <extracomment>A button that shows the program&apos;s information. Keep an access key.</extracomment>
        <translation>जानकारी (&amp;B)</translation>
    </message>
    <message>
        <source>Select one of the following, which motivates you the most or you prefer the most, while deciding on any of your activities and then click on Proceed button..</source>
        <extracomment>The instruction above the motivators. &quot;Proceed&quot; names the Proceed button.</extracomment>
        <translation>अपनी किसी भी गतिविधि के बारे में निर्णय लेते समय जो बात आपको सबसे अधिक प्रेरित करती है या जिसे आप सबसे अधिक प्राथमिकता देते हैं, उसे नीचे दिए गए विकल्पों में से चुनें, और फिर “आगे बढ़ें” बटन पर क्लिक करें।</translation>
    </message>
    <message>
        <source>Rating by you</source>
        <extracomment>The heading above the eight ratings, beside the motivators.</extracomment>
        <translation>आपकी रेटिंग</translation>
    </message>
    <message>
        <source>Rating of %1</source>
        <extracomment>What a screen reader says of a rating; %1 is the motivator it rates.</extracomment>
        <translation>%1 की रेटिंग</translation>
    </message>
    <message>
        <source>Question  No.  =</source>
        <extracomment>Stands before the number of the question shown, 1 to 28.</extracomment>
        <translation>प्रश्न संख्या:</translation>
    </message>
    <message>
        <source>A]</source>
        <extracomment>Marks side A of the question; the selector&apos;s entry &quot;A&quot; picks it.</extracomment>
        <translation>A]</translation>
    </message>
    <message>
        <source>Which one of the following two, motivates you more ?</source>
        <extracomment>The question above its two sides.</extracomment>
        <translation>नीचे दी गई दो बातों में से कौन-सी आपको अधिक प्रेरित करती है?</translation>
    </message>
    <message>
        <source>B]</source>
        <extracomment>Marks side B of the question; the selector&apos;s entry &quot;B&quot; picks it.</extracomment>
        <translation>B]</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <extracomment>A button that stores the reply and shows the question before. Keep an access key.</extracomment>
        <translation>पिछला (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>A button that stores the reply and shows the next question. Keep an access key.</extracomment>
        <translation>अगला (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Evaluate</source>
        <extracomment>A button that counts the ratings once every question has a stored reply. Keep an access key.</extracomment>
        <translation>मूल्यांकन करें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <extracomment>The entry of the window&apos;s context menu that copies the result as text. Keep an access key.</extracomment>
        <translation>परिणाम कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>Result copied.</source>
        <extracomment>Said by a screen reader after the result was copied.</extracomment>
        <translation>परिणाम कॉपी किया गया।</translation>
    </message>
    <message>
        <source>Now reply to following  28  questions, one by one, to get some interesting information about yourself. You can quit at any time, if you don&apos;t wish to continue.</source>
        <extracomment>The message after Proceed, before the first question. Keep the number 28.</extracomment>
        <translation>अब अपने बारे में कुछ रोचक जानकारी पाने के लिए आगे आने वाले 28 प्रश्नों के उत्तर एक-एक करके दें। अगर आप जारी नहीं रखना चाहते, तो किसी भी समय बाहर निकल सकते हैं।</translation>
    </message>
    <message>
        <source>Question %1: A] %2. B] %3.</source>
        <extracomment>What a screen reader says of the reply selector: the question shown, %1 its number, %2 and %3 its sides A and B.</extracomment>
        <translation>प्रश्न %1: A] %2। B] %3।</translation>
    </message>
    <message>
        <source>%1 Reply: %2.</source>
        <extracomment>Said by a screen reader after Next or Previous: %1 the question, as &quot;Question 2: A] ... B] ...&quot;, %2 the reply shown in the selector.</extracomment>
        <translation>%1 उत्तर: %2।</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One rating as a screen reader says it: %1 the motivator, %2 its rating.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>Said by a screen reader once the ratings are shown: %1 is &quot;Rating by you&quot;, %2 the ratings, joined by the separator below.</extracomment>
        <translation>%1: %2।</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two ratings said by a screen reader.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Please reply against question number  %1.  Then move previous or next, for this program to accept your reply.</source>
        <extracomment>The first line of the message when Evaluate finds a question without a stored reply; %1 is its number.</extracomment>
        <translation>कृपया प्रश्न संख्या %1 का उत्तर दें। फिर पिछले या अगले प्रश्न पर जाएँ, ताकि यह प्रोग्राम आपका उत्तर स्वीकार कर सके।</translation>
    </message>
    <message>
        <source>Click on Cancel button to start again.</source>
        <extracomment>The second line of that message. &quot;Cancel&quot; names the button.</extracomment>
        <translation>फिर से शुरू करने के लिए “रद्द करें” बटन पर क्लिक करें।</translation>
    </message>
    <message>
        <source>Here is the result ! The highest rating indicates the most dominant motivator and the lowest rating indicates the least dominant motivator for you.  Compare it with your earlier selected motivator.</source>
        <extracomment>The first paragraph of the message that comes with the ratings.</extracomment>
        <translation>यह रहा परिणाम! सबसे अधिक रेटिंग आपके लिए सबसे प्रबल प्रेरक को दर्शाती है और सबसे कम रेटिंग सबसे कम प्रबल प्रेरक को। इसकी तुलना उस प्रेरक से करें जिसे आपने पहले चुना था।</translation>
    </message>
    <message>
        <source>You may do this exercise at different times, on different days, to verify the consistency or changes in your motivators.</source>
        <translation>अपने प्रेरकों में स्थिरता या बदलाव को जाँचने के लिए आप यह अभ्यास अलग-अलग समय पर, अलग-अलग दिनों में कर सकते हैं।</translation>
    </message>
    <message>
        <source>Tolvar %1</source>
        <extracomment>The About message&apos;s first line: the program&apos;s name and %1 its version.</extracomment>
        <translation>Tolvar %1</translation>
    </message>
    <message>
        <source>Finds which of eight motivators drives you most, from your replies to 28 paired questions.</source>
        <extracomment>The About message&apos;s description of the program.</extracomment>
        <translation>दो-दो विकल्पों वाले 28 प्रश्नों के आपके उत्तरों से यह पता लगाता है कि आठ प्रेरकों में से कौन-सा आपको सबसे अधिक प्रेरित करता है।</translation>
    </message>
    <message>
        <source>After an evaluation, %1 copies the result as text.</source>
        <translation>मूल्यांकन के बाद %1 दबाने पर परिणाम टेक्स्ट के रूप में कॉपी हो जाता है।</translation>
    </message>
    <message>
        <source>Developed by the Tolvar project.</source>
        <translation>Tolvar परियोजना द्वारा विकसित।</translation>
    </message>
    <message>
        <source>Contact: through the Tolvar project, as its README describes.</source>
        <translation>संपर्क: Tolvar परियोजना के माध्यम से, जैसा उसकी README फ़ाइल में बताया गया है।</translation>
    </message>
    <message>
        <source>About Tolvar</source>
        <extracomment>The title of the About message.</extracomment>
        <translation>Tolvar के बारे में</translation>
    </message>
</context>
</TS>
