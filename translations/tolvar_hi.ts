<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>Comparison</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotes a motivator or a line of the text the user gave, in a message about it.</extracomment>
        <translation>“%1”</translation>
    </message>
    <message numerus="yes">
        <source>%n of your 28 replies are the same as in the earlier result.</source>
        <extracomment>%n is how many of the 28 replies are the same in both results.</extracomment>
        <translation>
            <numerusform>आपके 28 उत्तरों में से %n उत्तर वही है जो पहले के परिणाम में था।</numerusform>
            <numerusform>आपके 28 उत्तरों में से %n उत्तर वही हैं जो पहले के परिणाम में थे।</numerusform>
        </translation>
    </message>
    <message>
        <source>The earlier result holds no replies, so only the ratings are compared.</source>
        <extracomment>Said of a result copied by a version that did not copy the replies.</extracomment>
        <translation>पहले के परिणाम में उत्तर नहीं हैं, इसलिए केवल रेटिंग की तुलना की गई है।</translation>
    </message>
    <message>
        <source>The two orders of your motivators agree closely.</source>
        <extracomment>How closely the two orders of the motivators agree: the closest of four.</extracomment>
        <translation>आपके प्रेरकों के पहले और आज के क्रम बहुत हद तक मेल खाते हैं।</translation>
    </message>
    <message>
        <source>The two orders of your motivators agree in part.</source>
        <extracomment>How closely the two orders of the motivators agree: the second of four.</extracomment>
        <translation>आपके प्रेरकों के पहले और आज के क्रम कुछ हद तक मेल खाते हैं।</translation>
    </message>
    <message>
        <source>The two orders of your motivators hardly agree.</source>
        <extracomment>How closely the two orders of the motivators agree: the third of four.</extracomment>
        <translation>आपके प्रेरकों के पहले और आज के क्रम बहुत कम मेल खाते हैं।</translation>
    </message>
    <message>
        <source>The two orders of your motivators are largely reversed.</source>
        <extracomment>How closely the two orders of the motivators agree: the last of four.</extracomment>
        <translation>आपके प्रेरकों के पहले और आज के क्रम बहुत हद तक एक-दूसरे के उलटे हैं।</translation>
    </message>
    <message>
        <source>No rating moved by more than one point. One changed reply makes a change that small (one rating up by one, another down by one), so read nothing into it.</source>
        <extracomment>When no rating changed by more than one point.</extracomment>
        <translation>कोई भी रेटिंग एक अंक से अधिक नहीं बदली। केवल एक उत्तर बदलने से ही इतना छोटा बदलाव हो जाता है (एक रेटिंग एक अंक बढ़ जाती है और दूसरी एक अंक घट जाती है), इसलिए इसका कोई ख़ास मतलब न निकालें।</translation>
    </message>
    <message>
        <source>%1 (from %2 to %3)</source>
        <extracomment>One motivator that moved most: %1 its name, %2 the earlier rating, %3 today&apos;s.</extracomment>
        <translation>%1 (पहले %2, आज %3)</translation>
    </message>
    <message>
        <source>Moved most: %1.</source>
        <extracomment>%1 the motivators whose ratings moved most, joined by the separator below.</extracomment>
        <translation>सबसे अधिक बदलाव: %1।</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two motivators that moved most.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>A change of one point is as small as one changed reply makes (one rating up by one, another down by one), so read nothing into it.</source>
        <extracomment>After the motivators that moved most.</extracomment>
        <translation>एक अंक का बदलाव उतना ही छोटा है जितना केवल एक उत्तर बदलने से हो जाता है (एक रेटिंग एक अंक बढ़ जाती है और दूसरी एक अंक घट जाती है), इसलिए इसका कोई ख़ास मतलब न निकालें।</translation>
    </message>
    <message>
        <source>Earlier result copied %1.</source>
        <extracomment>%1 is the date and time the earlier result was copied, as the copy wrote it.</extracomment>
        <translation>पहले के परिणाम को कॉपी करने का समय: %1।</translation>
    </message>
    <message>
        <source>Marked as the most motivating, then and today: %1.</source>
        <extracomment>%1 is the motivator the user marked as the most motivating in both results.</extracomment>
        <translation>सबसे अधिक प्रेरित करने वाले के रूप में पहले भी और आज भी चुना गया: %1।</translation>
    </message>
    <message>
        <source>Marked as the most motivating: then %1, today %2.</source>
        <extracomment>%1 the motivator marked as the most motivating in the earlier result, %2 today.</extracomment>
        <translation>सबसे अधिक प्रेरित करने वाले के रूप में चुना गया: पहले %1, आज %2।</translation>
    </message>
    <message>
        <source>Motivator</source>
        <extracomment>A column of the comparison: the motivator.</extracomment>
        <translation>प्रेरक</translation>
    </message>
    <message>
        <source>Earlier</source>
        <extracomment>A column of the comparison: the earlier rating.</extracomment>
        <translation>पहले</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>A column of the comparison: today&apos;s rating.</extracomment>
        <translation>आज</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>A column of the comparison: today&apos;s rating less the earlier one.</extracomment>
        <translation>बदलाव</translation>
    </message>
    <message>
        <source>Compare with Earlier Result</source>
        <extracomment>The title of the comparison&apos;s dialog, and the first line of its copy.</extracomment>
        <translation>पहले के परिणाम से तुलना</translation>
    </message>
    <message>
        <source>&amp;Paste or type the earlier result as Tolvar copied it:</source>
        <extracomment>Above the text field of the dialog that takes an earlier result.</extracomment>
        <translation>पहले का परिणाम वैसे ही पेस्ट करें या टाइप करें जैसे Tolvar ने उसे कॉपी किया था (&amp;P):</translation>
    </message>
    <message>
        <source>On the clipboard: %1</source>
        <extracomment>In the dialog that takes an earlier result: why the clipboard&apos;s text was not taken; %1 says what is wrong with it.</extracomment>
        <translation>क्लिपबोर्ड पर: %1</translation>
    </message>
    <message>
        <source>A result copied %1, ready to compare.</source>
        <extracomment>In the dialog that takes an earlier result, once it holds one; %1 is the date and time it was copied.</extracomment>
        <translation>परिणाम (कॉपी करने का समय: %1) तुलना के लिए तैयार है।</translation>
    </message>
    <message>
        <source>&amp;Ratings in today&apos;s order, the highest first:</source>
        <extracomment>Above the comparison&apos;s table. Keep an access key.</extracomment>
        <translation>आज के क्रम में रेटिंग, सबसे अधिक रेटिंग सबसे ऊपर (&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>A button of the comparison&apos;s dialog that copies the comparison as text. Keep an access key.</extracomment>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>No Tolvar result was found. Give the whole result as Tolvar copied it, from its first line on.</source>
        <extracomment>The text given as an earlier result holds none.</extracomment>
        <translation>कोई Tolvar परिणाम नहीं मिला। पूरा परिणाम, उसकी पहली पंक्ति से, वैसे ही दर्ज करें जैसे Tolvar ने उसे कॉपी किया था।</translation>
    </message>
    <message>
        <source>The text holds %1 results; give only the one to compare with.</source>
        <extracomment>%1 is how many results the text holds (2 or more).</extracomment>
        <translation>टेक्स्ट में %1 परिणाम हैं; केवल वही परिणाम दर्ज करें जिससे तुलना करनी है।</translation>
    </message>
    <message>
        <source>The line that names the motivator marked as the most motivating is missing below the result&apos;s first line.</source>
        <translation>परिणाम की पहली पंक्ति के बाद वह पंक्ति नहीं मिली जिसमें सबसे अधिक प्रेरित करने वाले के रूप में चुने गए प्रेरक का नाम होता है।</translation>
    </message>
    <message>
        <source>This line names no motivator that Tolvar knows: %1.</source>
        <extracomment>%1 is the line, quoted.</extracomment>
        <translation>इस पंक्ति में ऐसा कोई प्रेरक नहीं है जिसे Tolvar पहचानता हो: %1।</translation>
    </message>
    <message>
        <source>The result has no rating for %1.</source>
        <extracomment>%1 is the motivator.</extracomment>
        <translation>परिणाम में %1 की रेटिंग नहीं है।</translation>
    </message>
    <message>
        <source>The result rates %1 twice.</source>
        <extracomment>%1 is the motivator.</extracomment>
        <translation>परिणाम में %1 की रेटिंग दो बार दी गई है।</translation>
    </message>
    <message>
        <source>The result rates %1 %2, but a rating is 0 to 7.</source>
        <extracomment>%1 is the motivator, %2 the rating the text gives it.</extracomment>
        <translation>परिणाम में %1 की रेटिंग %2 दी गई है, लेकिन रेटिंग 0 से 7 तक ही होती है।</translation>
    </message>
    <message>
        <source>The ratings add up to %1, but a result&apos;s add up to 28.</source>
        <extracomment>%1 is the sum of the ratings the text gives.</extracomment>
        <translation>रेटिंग का योग %1 है, लेकिन किसी भी परिणाम की सभी रेटिंग का योग 28 होता है।</translation>
    </message>
    <message>
        <source>The replies may hold only the letters A and B: %1.</source>
        <extracomment>%1 is the line, quoted. The letters stay A and B in every language.</extracomment>
        <translation>उत्तरों में केवल A और B अक्षर हो सकते हैं: %1।</translation>
    </message>
    <message>
        <source>The result holds %1 replies, but it should hold 28.</source>
        <extracomment>%1 is how many replies the text gives.</extracomment>
        <translation>परिणाम में उत्तरों की संख्या %1 है, लेकिन 28 होनी चाहिए।</translation>
    </message>
    <message>
        <source>The replies do not give the ratings beside them (%1 differs): the result was changed after it was copied.</source>
        <extracomment>%1 is a motivator whose rating the replies do not give.</extracomment>
        <translation>उत्तरों से वे रेटिंग नहीं बनतीं जो उनके साथ दी गई हैं (%1 की रेटिंग अलग है): परिणाम को कॉपी करने के बाद बदला गया है।</translation>
    </message>
    <message>
        <source>%1: %2 then, %3 today (%4)</source>
        <extracomment>A row of the copied comparison: %1 the motivator, %2 its earlier rating, %3 today&apos;s, %4 the change, as +2 or -1.</extracomment>
        <translation>%1: पहले %2, आज %3 (%4)</translation>
    </message>
    <message>
        <source>it holds no text.</source>
        <translation>कोई टेक्स्ट नहीं है।</translation>
    </message>
    <message>
        <source>Pairs of motivators (28 in all) in the same order in both results: %1; in the opposite order: %2; tied in either result or both: %3 (Kendall&apos;s tau-b: %4, where 1 is the same order, 0 no relation and -1 the reverse order).</source>
        <extracomment>%1, %2, %3: how many pairs of motivators (28 in all) are in the same order in both results, in the opposite order, and tied (rated alike) in either result or both; each count, 0 to 28, stands after a colon so that no word agrees with it. %4 is Kendall&apos;s rank correlation, as 0.71 or -0.38.</extracomment>
        <translation>प्रेरकों के 28 जोड़ों में से दोनों परिणामों में एक ही क्रम वाले जोड़े: %1; उलटे क्रम वाले: %2; किसी एक परिणाम में या दोनों में बराबरी वाले: %3 (केंडल का टाउ-बी: %4, जहाँ 1 का अर्थ है एक ही क्रम, 0 का अर्थ है कोई संबंध नहीं, और -1 का अर्थ है उलटा क्रम)।</translation>
    </message>
    <message numerus="yes">
        <source>%n results, ready to compare.</source>
        <extracomment>In the dialog that takes an earlier result, once it holds several; %n is how many (2 or more).</extracomment>
        <translation>
            <numerusform>%n परिणाम तुलना के लिए तैयार है।</numerusform>
            <numerusform>%n परिणाम तुलना के लिए तैयार हैं।</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeptResults</name>
    <message>
        <source>Tolvar result %1</source>
        <extracomment>The title of the printed or exported result; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Tolvar का परिणाम, दिनांक %1</translation>
    </message>
    <message>
        <source>Tolvar result %1.pdf</source>
        <extracomment>The name Export as PDF suggests for the result&apos;s page; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Tolvar का परिणाम %1.pdf</translation>
    </message>
    <message>
        <source>Every result given is today&apos;s own: there is nothing earlier to compare with.</source>
        <extracomment>When every result given is a copy of today&apos;s own.</extracomment>
        <translation>दिया गया हर परिणाम आज के परिणाम की ही प्रति है: तुलना के लिए पहले का कोई परिणाम नहीं है।</translation>
    </message>
    <message>
        <source>Tolvar result %1.txt</source>
        <extracomment>The name Save suggests for a result&apos;s file; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Tolvar का परिणाम %1.txt</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <extracomment>The title of the dialog that saves the result.</extracomment>
        <translation>परिणाम टेक्स्ट फ़ाइल में सहेजें</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <extracomment>The kind of file Save writes, in its dialog.</extracomment>
        <translation>टेक्स्ट फ़ाइलें (*.txt)</translation>
    </message>
    <message>
        <source>The result was not saved to %1: %2</source>
        <extracomment>When a result could not be saved: %1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>परिणाम %1 में सहेजा नहीं जा सका: %2</translation>
    </message>
    <message>
        <source>Result saved as %1.</source>
        <extracomment>Said by a screen reader once the result is saved; %1 is the file.</extracomment>
        <translation>परिणाम %1 में सहेजा गया।</translation>
    </message>
    <message>
        <source>Compare with Saved Results</source>
        <extracomment>The title of the dialog that picks saved results to compare with.</extracomment>
        <translation>सहेजे गए परिणामों से तुलना करें</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>The kinds of file the dialog offers: text files first, then any.</extracomment>
        <translation>टेक्स्ट फ़ाइलें (*.txt);;सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>%1 was not compared: %2</source>
        <extracomment>When a file given as a saved result is refused: %1 the file, %2 why.</extracomment>
        <translation>%1 से तुलना नहीं की जा सकी: %2</translation>
    </message>
</context>
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
        <translation>  अधिक कमाई और अन्य भौतिक लाभ</translation>
    </message>
    <message>
        <source>More material rewards and benefits</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>अधिक कमाई और अन्य भौतिक लाभ</translation>
    </message>
    <message>
        <source>  Status, power and leadership</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  सामाजिक दर्जा, सत्ता और नेतृत्व</translation>
    </message>
    <message>
        <source>Status, power and leadership</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>सामाजिक दर्जा, सत्ता और नेतृत्व</translation>
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
        <translation>  फ़ुरसत की गतिविधियों और नवाचार के अवसर</translation>
    </message>
    <message>
        <source>Scope for recreational activities and innovation</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>फ़ुरसत की गतिविधियों और नवाचार के अवसर</translation>
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
    <name>OverTime</name>
    <message>
        <source>Your results over time</source>
        <extracomment>The title of the dialog that shows several results side by side, and the first line of its copy and of its printed page.</extracomment>
        <translation>समय के साथ आपके परिणाम</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the ratings of one motivator, oldest first, as &quot;3, 4, 6&quot;; and between the times of the results in their copy.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Its order of your motivators agrees closely with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the closest of four; %1 is Kendall&apos;s tau-b, as 0.71.</extracomment>
        <translation>इस परिणाम में आपके प्रेरकों का क्रम आज के क्रम से बहुत हद तक मेल खाता है (टाउ-बी %1)।</translation>
    </message>
    <message>
        <source>Its order of your motivators agrees in part with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the second of four; %1 is Kendall&apos;s tau-b, as 0.42.</extracomment>
        <translation>इस परिणाम में आपके प्रेरकों का क्रम आज के क्रम से कुछ हद तक मेल खाता है (टाउ-बी %1)।</translation>
    </message>
    <message>
        <source>Its order of your motivators hardly agrees with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the third of four; %1 is Kendall&apos;s tau-b, as 0.12.</extracomment>
        <translation>इस परिणाम में आपके प्रेरकों का क्रम आज के क्रम से बहुत कम मेल खाता है (टाउ-बी %1)।</translation>
    </message>
    <message>
        <source>Its order of your motivators is largely the reverse of today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the last of four; %1 is Kendall&apos;s tau-b, as -0.55.</extracomment>
        <translation>इस परिणाम में आपके प्रेरकों का क्रम आज के क्रम से बहुत हद तक उलटा है (टाउ-बी %1)।</translation>
    </message>
    <message numerus="yes">
        <source>Your result of %1: %n of its 28 replies are the same as today.</source>
        <extracomment>%1 is the date and time an earlier result was copied; %n how many of its 28 replies are the same as today&apos;s.</extracomment>
        <translation>
            <numerusform>%1 का आपका परिणाम: इसके 28 उत्तरों में से %n उत्तर आज के उत्तर से मेल खाता है।</numerusform>
            <numerusform>%1 का आपका परिणाम: इसके 28 उत्तरों में से %n उत्तर आज के उत्तरों से मेल खाते हैं।</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result of %1 holds no replies, so only its ratings are compared.</source>
        <extracomment>%1 is the date and time an earlier result was copied, by a version that did not copy the replies.</extracomment>
        <translation>%1 के आपके परिणाम में उत्तर नहीं हैं, इसलिए केवल उसकी रेटिंग की तुलना की गई है।</translation>
    </message>
    <message>
        <source>Only today&apos;s result is here, so there is nothing to compare it with yet.</source>
        <extracomment>Where the dialog shows today&apos;s result alone.</extracomment>
        <translation>यहाँ केवल आज का परिणाम है, इसलिए अभी उससे तुलना करने के लिए कोई और परिणाम नहीं है।</translation>
    </message>
    <message>
        <source>No motivator was rated highest in every result.</source>
        <extracomment>Where the motivator rated highest was not the same in every result.</extracomment>
        <translation>कोई भी प्रेरक हर परिणाम में सबसे अधिक रेटिंग वाला नहीं रहा।</translation>
    </message>
    <message numerus="yes">
        <source>Rated highest in every result: %1.</source>
        <extracomment>%1 the motivators rated highest (alone or tied) in every result, today&apos;s included, joined by the separator below; %n how many they are, for the verb&apos;s agreement.</extracomment>
        <translation>
            <numerusform>हर परिणाम में सबसे अधिक रेटिंग वाला प्रेरक: %1।</numerusform>
            <numerusform>हर परिणाम में सबसे अधिक रेटिंग वाले प्रेरक: %1।</numerusform>
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
        <translation>केंडल का टाउ-बी एक ही क्रम वाले प्रेरकों के जोड़ों की तुलना उलटे क्रम वाले जोड़ों से करता है: 1 का अर्थ है एक ही क्रम, 0 का अर्थ है कोई संबंध नहीं, और -1 का अर्थ है उलटा क्रम।</translation>
    </message>
    <message>
        <source>Motivator</source>
        <extracomment>A column of the results over time: the motivator.</extracomment>
        <translation>प्रेरक</translation>
    </message>
    <message>
        <source>Over time</source>
        <extracomment>A column of the results over time: a small chart of one motivator&apos;s ratings, oldest first.</extracomment>
        <translation>समय के साथ रेटिंग</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The column of today&apos;s rating in the results over time.</extracomment>
        <translation>आज</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Ratings in your %n results, the oldest first and today&apos;s last, the motivators in today&apos;s order:</source>
        <extracomment>Above the table of results over time; %n is how many results it shows. Keep an access key.</extracomment>
        <translation>
            <numerusform>आज के परिणाम की रेटिंग (कुल %n परिणाम); प्रेरक आज के क्रम में हैं (&amp;R):</numerusform>
            <numerusform>आपके %n परिणामों की रेटिंग, सबसे पुराना परिणाम पहले और आज का परिणाम अंत में; प्रेरक आज के क्रम में हैं (&amp;R):</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s result, %1</source>
        <extracomment>The tooltip of the column of today&apos;s rating; %1 is the date and time now.</extracomment>
        <translation>आज का परिणाम, %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>A button of the results over time that copies them as text. Keep an access key.</extracomment>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>A button of the comparison and of the results over time that prints them. Keep an access key.</extracomment>
        <translation>प्रिंट करें (&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <extracomment>A button of the comparison and of the results over time that saves them as a PDF document. Keep an access key.</extracomment>
        <translation>PDF के रूप में निर्यात करें (&amp;E)...</translation>
    </message>
    <message>
        <source>Tolvar results over time.pdf</source>
        <extracomment>The file name the PDF of the results over time is offered under; keep &quot;.pdf&quot;.</extracomment>
        <translation>समय के साथ Tolvar के परिणाम.pdf</translation>
    </message>
    <message>
        <source>today (%1)</source>
        <extracomment>In the copy of the results over time, today&apos;s time; %1 is the date and time.</extracomment>
        <translation>आज (%1)</translation>
    </message>
    <message>
        <source>Results of %1.</source>
        <extracomment>The copy&apos;s second line: the times of the results, oldest first, joined by &quot;, &quot;.</extracomment>
        <translation>परिणामों के समय: %1।</translation>
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
        <translation>%1 पर प्रिंट नहीं किया जा सका।</translation>
    </message>
    <message>
        <source>Printed to the file %1.</source>
        <extracomment>Told after the print dialog wrote the page to a file instead of a printer; %1 is the file&apos;s path.</extracomment>
        <translation>फ़ाइल %1 में प्रिंट किया गया।</translation>
    </message>
    <message>
        <source>Sent to the printer %1.</source>
        <extracomment>Told after the page went to the printer; %1 is the printer&apos;s name.</extracomment>
        <translation>प्रिंटर %1 को भेजा गया।</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>Title of the file dialog that saves the result as a PDF document.</extracomment>
        <translation>PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>Filter of the file dialog that saves the result; keep &quot;(*.pdf)&quot; exactly.</extracomment>
        <translation>PDF फ़ाइलें (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <extracomment>Told when the PDF could not be written; %1 is the file&apos;s path, %2 the system&apos;s reason (already translated by the system).</extracomment>
        <translation>%1 को सहेजा नहीं जा सका: %2।</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <extracomment>Told after the PDF was written; %1 is the file&apos;s path.</extracomment>
        <translation>%1 में सहेजा गया।</translation>
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
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A message box button, as Qt names it. The messages refer to it as &quot;Cancel button&quot;.</extracomment>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes the comparison&apos;s dialog, as Qt names it.</extracomment>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>ResultFile</name>
    <message>
        <source>It is not written in UTF-8 or UTF-16.</source>
        <extracomment>Why a file was not read: it is text in an encoding Tolvar does not read.</extracomment>
        <translation>यह फ़ाइल UTF-8 या UTF-16 में नहीं लिखी गई है।</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Why a file was not read: it holds something other than text.</extracomment>
        <translation>यह टेक्स्ट फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <extracomment>Why a file was not read: the name chosen is a folder.</extracomment>
        <translation>यह एक फ़ोल्डर है।</translation>
    </message>
    <message>
        <source>It is larger than %1, far larger than a saved result.</source>
        <extracomment>Why a file was not read: %1 is the most Tolvar reads, as &quot;1 MiB&quot;.</extracomment>
        <translation>यह फ़ाइल %1 से बड़ी है, जो किसी सहेजे गए परिणाम के आकार से कहीं अधिक है।</translation>
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
    <message>
        <source>Replies: %1</source>
        <extracomment>The copied result&apos;s last line; %1 is the 28 replies in the letters A and B, in groups of four (&quot;ABBA ABAB ...&quot;). The letters stay A and B in every language.</extracomment>
        <translation>उत्तर: %1</translation>
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
    <name>tolvar::ui::ResultMenu</name>
    <message>
        <source>&amp;Result</source>
        <extracomment>The menu in the window&apos;s menu bar that holds what can be done with a result. Keep an access key that no button of the window uses.</extracomment>
        <translation>परिणाम (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <extracomment>An entry of the Result menu (and the window&apos;s context menu) that copies the result as text. Keep an access key, different from the menu&apos;s other entries.</extracomment>
        <translation>परिणाम कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save Result As...</source>
        <extracomment>An entry of the Result menu that saves the result as a text file. Keep an access key.</extracomment>
        <translation>परिणाम टेक्स्ट फ़ाइल में सहेजें (&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>An entry of the Result menu that prints the result. Keep an access key.</extracomment>
        <translation>प्रिंट करें (&amp;P)...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <extracomment>An entry of the Result menu that saves the result as a PDF file. Keep an access key.</extracomment>
        <translation>PDF के रूप में निर्यात करें (&amp;D)...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Earlier Result...</source>
        <extracomment>An entry of the Result menu that compares the result shown with an earlier copied one. Keep an access key.</extracomment>
        <translation>पहले के परिणाम से तुलना करें (&amp;M)...</translation>
    </message>
    <message>
        <source>Compare with Sa&amp;ved Results...</source>
        <extracomment>An entry of the Result menu that compares the result shown with results saved in files. Keep an access key.</extracomment>
        <translation>सहेजे गए परिणामों से तुलना करें (&amp;V)...</translation>
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
        <translation>यह रहा परिणाम! सबसे अधिक रेटिंग उस प्रेरक को दर्शाती है जिसका आप पर सबसे अधिक प्रभाव है, और सबसे कम रेटिंग उस प्रेरक को जिसका आप पर सबसे कम प्रभाव है। इसकी तुलना उस प्रेरक से करें जिसे आपने पहले चुना था।</translation>
    </message>
    <message>
        <source>You may do this exercise at different times, on different days, to verify the consistency or changes in your motivators.</source>
        <extracomment>The second paragraph of the message that comes with the ratings.</extracomment>
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
        <translation>Tolvar की जानकारी</translation>
    </message>
    <message>
        <source>After an evaluation, the Result menu copies, saves, prints or exports the result and compares it with earlier ones; %1 copies it as text.</source>
        <translation>मूल्यांकन के बाद “परिणाम” मेनू से आप परिणाम को कॉपी कर सकते हैं, सहेज सकते हैं, प्रिंट कर सकते हैं या निर्यात कर सकते हैं, और पहले के परिणामों से उसकी तुलना कर सकते हैं; %1 दबाने पर परिणाम टेक्स्ट के रूप में कॉपी हो जाता है।</translation>
    </message>
    <message>
        <source>A comparison follows an evaluation: reply to all 28 questions and click Evaluate, then compare the ratings with an earlier result.</source>
        <extracomment>The message when the user asks to compare before the ratings are shown.</extracomment>
        <translation>तुलना मूल्यांकन के बाद ही हो सकती है: सभी 28 प्रश्नों के उत्तर दें और “मूल्यांकन करें” बटन पर क्लिक करें, फिर रेटिंग की तुलना पहले के किसी परिणाम से करें।</translation>
    </message>
    <message>
        <source>There is no result yet: reply to all 28 questions and click Evaluate, then copy, save or print it.</source>
        <translation>अभी कोई परिणाम नहीं है: सभी 28 प्रश्नों के उत्तर दें और “मूल्यांकन करें” बटन पर क्लिक करें, फिर परिणाम को कॉपी करें, सहेजें या प्रिंट करें।</translation>
    </message>
</context>
</TS>
