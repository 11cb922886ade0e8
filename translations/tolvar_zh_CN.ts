<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
            <numerusform>您的 28 个回答中，有 %n 个与先前结果中的相同。</numerusform>
        </translation>
    </message>
    <message>
        <source>The earlier result holds no replies, so only the ratings are compared.</source>
        <extracomment>Said of a result copied by a version that did not copy the replies.</extracomment>
        <translation>先前的结果不含回答，因此只比较评分。</translation>
    </message>
    <message>
        <source>The two orders of your motivators agree closely.</source>
        <extracomment>How closely the two orders of the motivators agree: the closest of four.</extracomment>
        <translation>您的激励因素在两次结果中的排序高度一致。</translation>
    </message>
    <message>
        <source>The two orders of your motivators agree in part.</source>
        <extracomment>How closely the two orders of the motivators agree: the second of four.</extracomment>
        <translation>您的激励因素在两次结果中的排序部分一致。</translation>
    </message>
    <message>
        <source>The two orders of your motivators hardly agree.</source>
        <extracomment>How closely the two orders of the motivators agree: the third of four.</extracomment>
        <translation>您的激励因素在两次结果中的排序几乎谈不上一致。</translation>
    </message>
    <message>
        <source>The two orders of your motivators are largely reversed.</source>
        <extracomment>How closely the two orders of the motivators agree: the last of four.</extracomment>
        <translation>您的激励因素在两次结果中的排序大体相反。</translation>
    </message>
    <message>
        <source>No rating moved by more than one point. One changed reply makes a change that small (one rating up by one, another down by one), so read nothing into it.</source>
        <extracomment>When no rating changed by more than one point.</extracomment>
        <translation>没有任何评分的变化超过 1 分。只要改变一个回答，就会产生这么小的变化（一个评分加 1，另一个评分减 1），因此无需对此作任何解读。</translation>
    </message>
    <message>
        <source>%1 (from %2 to %3)</source>
        <extracomment>One motivator that moved most: %1 its name, %2 the earlier rating, %3 today&apos;s.</extracomment>
        <translation>%1（从 %2 变为 %3）</translation>
    </message>
    <message>
        <source>Moved most: %1.</source>
        <extracomment>%1 the motivators whose ratings moved most, joined by the separator below.</extracomment>
        <translation>变化最大的是：%1。</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two motivators that moved most.</extracomment>
        <translation>；</translation>
    </message>
    <message>
        <source>A change of one point is as small as one changed reply makes (one rating up by one, another down by one), so read nothing into it.</source>
        <extracomment>After the motivators that moved most.</extracomment>
        <translation>1 分的变化只相当于改变一个回答所产生的变化（一个评分加 1，另一个评分减 1），因此无需对此作任何解读。</translation>
    </message>
    <message>
        <source>Earlier result copied %1.</source>
        <extracomment>%1 is the date and time the earlier result was copied, as the copy wrote it.</extracomment>
        <translation>先前的结果复制于 %1。</translation>
    </message>
    <message>
        <source>Marked as the most motivating, then and today: %1.</source>
        <extracomment>%1 is the motivator the user marked as the most motivating in both results.</extracomment>
        <translation>先前和今天都选为最能激励您的一项：%1。</translation>
    </message>
    <message>
        <source>Marked as the most motivating: then %1, today %2.</source>
        <extracomment>%1 the motivator marked as the most motivating in the earlier result, %2 today.</extracomment>
        <translation>选为最能激励您的一项：先前为%1，今天为%2。</translation>
    </message>
    <message>
        <source>Motivator</source>
        <extracomment>A column of the comparison: the motivator.</extracomment>
        <translation>激励因素</translation>
    </message>
    <message>
        <source>Earlier</source>
        <extracomment>A column of the comparison: the earlier rating.</extracomment>
        <translation>先前</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>A column of the comparison: today&apos;s rating.</extracomment>
        <translation>今天</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>A column of the comparison: today&apos;s rating less the earlier one.</extracomment>
        <translation>变化</translation>
    </message>
    <message>
        <source>Compare with Earlier Result</source>
        <extracomment>The title of the comparison&apos;s dialog, and the first line of its copy.</extracomment>
        <translation>与先前结果比较</translation>
    </message>
    <message>
        <source>&amp;Paste or type the earlier result as Tolvar copied it:</source>
        <extracomment>Above the text field of the dialog that takes an earlier result.</extracomment>
        <translation>粘贴或输入 Tolvar 所复制的先前结果(&amp;P)：</translation>
    </message>
    <message>
        <source>On the clipboard: %1</source>
        <extracomment>In the dialog that takes an earlier result: why the clipboard&apos;s text was not taken; %1 says what is wrong with it.</extracomment>
        <translation>剪贴板：%1</translation>
    </message>
    <message>
        <source>A result copied %1, ready to compare.</source>
        <extracomment>In the dialog that takes an earlier result, once it holds one; %1 is the date and time it was copied.</extracomment>
        <translation>已读取复制于 %1 的结果，可以进行比较。</translation>
    </message>
    <message>
        <source>&amp;Ratings in today&apos;s order, the highest first:</source>
        <extracomment>Above the comparison&apos;s table. Keep an access key.</extracomment>
        <translation>按今天的顺序排列的评分，最高的在前(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>A button of the comparison&apos;s dialog that copies the comparison as text. Keep an access key.</extracomment>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>No Tolvar result was found. Give the whole result as Tolvar copied it, from its first line on.</source>
        <extracomment>The text given as an earlier result holds none.</extracomment>
        <translation>未找到 Tolvar 结果。请提供 Tolvar 所复制的完整结果，从其第一行开始。</translation>
    </message>
    <message>
        <source>The text holds %1 results; give only the one to compare with.</source>
        <extracomment>%1 is how many results the text holds (2 or more).</extracomment>
        <translation>该文本包含 %1 个结果；请只提供要比较的那一个。</translation>
    </message>
    <message>
        <source>The line that names the motivator marked as the most motivating is missing below the result&apos;s first line.</source>
        <translation>结果的第一行下面缺少写明“选为最能激励您的一项”的那一行。</translation>
    </message>
    <message>
        <source>This line names no motivator that Tolvar knows: %1.</source>
        <extracomment>%1 is the line, quoted.</extracomment>
        <translation>此行中没有 Tolvar 能识别的激励因素：%1。</translation>
    </message>
    <message>
        <source>The result has no rating for %1.</source>
        <extracomment>%1 is the motivator.</extracomment>
        <translation>结果中没有%1的评分。</translation>
    </message>
    <message>
        <source>The result rates %1 twice.</source>
        <extracomment>%1 is the motivator.</extracomment>
        <translation>结果中%1的评分出现了两次。</translation>
    </message>
    <message>
        <source>The result rates %1 %2, but a rating is 0 to 7.</source>
        <extracomment>%1 is the motivator, %2 the rating the text gives it.</extracomment>
        <translation>结果给%1的评分为 %2，但评分应在 0 到 7 之间。</translation>
    </message>
    <message>
        <source>The ratings add up to %1, but a result&apos;s add up to 28.</source>
        <extracomment>%1 is the sum of the ratings the text gives.</extracomment>
        <translation>评分总和为 %1，但一个结果的评分总和应为 28。</translation>
    </message>
    <message>
        <source>The replies may hold only the letters A and B: %1.</source>
        <extracomment>%1 is the line, quoted. The letters stay A and B in every language.</extracomment>
        <translation>回答只能包含字母 A 和 B：%1。</translation>
    </message>
    <message>
        <source>The result holds %1 replies, but it should hold 28.</source>
        <extracomment>%1 is how many replies the text gives.</extracomment>
        <translation>结果包含 %1 个回答，但应包含 28 个。</translation>
    </message>
    <message>
        <source>The replies do not give the ratings beside them (%1 differs): the result was changed after it was copied.</source>
        <extracomment>%1 is a motivator whose rating the replies do not give.</extracomment>
        <translation>由回答得出的评分与结果中列出的评分不符（%1的评分不一致）：该结果在复制后被改动过。</translation>
    </message>
    <message>
        <source>%1: %2 then, %3 today (%4)</source>
        <extracomment>A row of the copied comparison: %1 the motivator, %2 its earlier rating, %3 today&apos;s, %4 the change, as +2 or -1.</extracomment>
        <translation>%1：先前 %2，今天 %3（%4）</translation>
    </message>
    <message>
        <source>it holds no text.</source>
        <translation>没有文本。</translation>
    </message>
    <message>
        <source>Pairs of motivators (28 in all) in the same order in both results: %1; in the opposite order: %2; tied in either result or both: %3 (Kendall&apos;s tau-b: %4, where 1 is the same order, 0 no relation and -1 the reverse order).</source>
        <extracomment>%1, %2, %3: how many pairs of motivators (28 in all) are in the same order in both results, in the opposite order, and tied (rated alike) in either result or both; each count, 0 to 28, stands after a colon so that no word agrees with it. %4 is Kendall&apos;s rank correlation, as 0.71 or -0.38.</extracomment>
        <translation>在 28 对激励因素中，两次结果顺序相同的：%1 对；顺序相反的：%2 对；在至少一次结果中两者评分相同的：%3 对（肯德尔 tau-b：%4，其中 1 表示顺序相同，0 表示没有关联，-1 表示顺序相反）。</translation>
    </message>
    <message numerus="yes">
        <source>%n results, ready to compare.</source>
        <extracomment>In the dialog that takes an earlier result, once it holds several; %n is how many (2 or more).</extracomment>
        <translation>
            <numerusform>已读取 %n 个结果，可以进行比较。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeptResults</name>
    <message>
        <source>Tolvar result %1</source>
        <extracomment>The title of the printed or exported result; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Tolvar 结果 %1</translation>
    </message>
    <message>
        <source>Tolvar result %1.pdf</source>
        <extracomment>The name Export as PDF suggests for the result&apos;s page; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Tolvar 结果 %1.pdf</translation>
    </message>
    <message>
        <source>Every result given is today&apos;s own: there is nothing earlier to compare with.</source>
        <extracomment>When every result given is a copy of today&apos;s own.</extracomment>
        <translation>所提供的结果都与今天的结果相同：没有更早的结果可供比较。</translation>
    </message>
    <message>
        <source>Tolvar result %1.txt</source>
        <extracomment>The name Save suggests for a result&apos;s file; %1 is the date, as 2026-12-09.</extracomment>
        <translation>Tolvar 结果 %1.txt</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <extracomment>The title of the dialog that saves the result.</extracomment>
        <translation>将结果另存为</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <extracomment>The kind of file Save writes, in its dialog.</extracomment>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>The result was not saved to %1: %2</source>
        <extracomment>When a result could not be saved: %1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>无法将结果保存到 %1：%2</translation>
    </message>
    <message>
        <source>Result saved as %1.</source>
        <extracomment>Said by a screen reader once the result is saved; %1 is the file.</extracomment>
        <translation>结果已保存为 %1。</translation>
    </message>
    <message>
        <source>Compare with Saved Results</source>
        <extracomment>The title of the dialog that picks saved results to compare with.</extracomment>
        <translation>与已保存的结果比较</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>The kinds of file the dialog offers: text files first, then any.</extracomment>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 was not compared: %2</source>
        <extracomment>When a file given as a saved result is refused: %1 the file, %2 why.</extracomment>
        <translation>无法与 %1 比较：%2</translation>
    </message>
</context>
<context>
    <name>Motivator</name>
    <message>
        <source>  My availability and closeness to family members</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  能陪伴家人并与家人亲近</translation>
    </message>
    <message>
        <source>My availability and closeness to famility members</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>能陪伴家人并与家人亲近</translation>
    </message>
    <message>
        <source>  More material rewards and benefits</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  更多的物质回报和福利</translation>
    </message>
    <message>
        <source>More material rewards and benefits</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>更多的物质回报和福利</translation>
    </message>
    <message>
        <source>  Status, power and leadership</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  地位、权力和领导角色</translation>
    </message>
    <message>
        <source>Status, power and leadership</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>地位、权力和领导角色</translation>
    </message>
    <message>
        <source>  Autonomy  i.e. myself being my boss</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  自主，即自己做自己的老板</translation>
    </message>
    <message>
        <source>Autonomy i.e. myself being my boss</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>自主，即自己做自己的老板</translation>
    </message>
    <message>
        <source>  Practising and promoting ethics and other values in the society</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  在社会中实践并推广道德和其他价值观</translation>
    </message>
    <message>
        <source>Practising and promoting ethics and other values in the society</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>在社会中实践并推广道德和其他价值观</translation>
    </message>
    <message>
        <source>  Scope for recreational activities and innovation</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  有机会进行休闲活动和创新</translation>
    </message>
    <message>
        <source>Scope for recreational activities and innovation</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>有机会进行休闲活动和创新</translation>
    </message>
    <message>
        <source>  Challenges and risks of varying magnitude</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  不同程度的挑战和风险</translation>
    </message>
    <message>
        <source>Challenges and risks of varying magnitude</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>不同程度的挑战和风险</translation>
    </message>
    <message>
        <source>  Security</source>
        <extracomment>A motivator, beside its option button. Keep the two leading spaces.</extracomment>
        <translation>  安全和保障</translation>
    </message>
    <message>
        <source>Security</source>
        <extracomment>The same motivator as one side of a question, after &quot;A]&quot; or &quot;B]&quot;.</extracomment>
        <translation>安全和保障</translation>
    </message>
</context>
<context>
    <name>OverTime</name>
    <message>
        <source>Your results over time</source>
        <extracomment>The title of the dialog that shows several results side by side, and the first line of its copy and of its printed page.</extracomment>
        <translation>您的历次结果</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the ratings of one motivator, oldest first, as &quot;3, 4, 6&quot;; and between the times of the results in their copy.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>Its order of your motivators agrees closely with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the closest of four; %1 is Kendall&apos;s tau-b, as 0.71.</extracomment>
        <translation>该结果中激励因素的排序与今天的排序高度一致（tau-b %1）。</translation>
    </message>
    <message>
        <source>Its order of your motivators agrees in part with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the second of four; %1 is Kendall&apos;s tau-b, as 0.42.</extracomment>
        <translation>该结果中激励因素的排序与今天的排序部分一致（tau-b %1）。</translation>
    </message>
    <message>
        <source>Its order of your motivators hardly agrees with today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the third of four; %1 is Kendall&apos;s tau-b, as 0.12.</extracomment>
        <translation>该结果中激励因素的排序与今天的排序几乎谈不上一致（tau-b %1）。</translation>
    </message>
    <message>
        <source>Its order of your motivators is largely the reverse of today&apos;s (tau-b %1).</source>
        <extracomment>How an earlier order of the motivators agrees with today&apos;s, the last of four; %1 is Kendall&apos;s tau-b, as -0.55.</extracomment>
        <translation>该结果中激励因素的排序与今天的排序大体相反（tau-b %1）。</translation>
    </message>
    <message numerus="yes">
        <source>Your result of %1: %n of its 28 replies are the same as today.</source>
        <extracomment>%1 is the date and time an earlier result was copied; %n how many of its 28 replies are the same as today&apos;s.</extracomment>
        <translation>
            <numerusform>您在 %1 的结果：28 个回答中有 %n 个与今天的相同。</numerusform>
        </translation>
    </message>
    <message>
        <source>Your result of %1 holds no replies, so only its ratings are compared.</source>
        <extracomment>%1 is the date and time an earlier result was copied, by a version that did not copy the replies.</extracomment>
        <translation>您在 %1 的结果不含回答，因此只比较其评分。</translation>
    </message>
    <message>
        <source>Only today&apos;s result is here, so there is nothing to compare it with yet.</source>
        <extracomment>Where the dialog shows today&apos;s result alone.</extracomment>
        <translation>这里只有今天的结果，因此还没有可以与之比较的结果。</translation>
    </message>
    <message>
        <source>No motivator was rated highest in every result.</source>
        <extracomment>Where the motivator rated highest was not the same in every result.</extracomment>
        <translation>没有哪个激励因素在每个结果中都评分最高。</translation>
    </message>
    <message numerus="yes">
        <source>Rated highest in every result: %1.</source>
        <extracomment>%1 the motivators rated highest (alone or tied) in every result, today&apos;s included, joined by the separator below; %n how many they are, for the verb&apos;s agreement.</extracomment>
        <translation>
            <numerusform>在每个结果中都评分最高的激励因素：%1。</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two motivators rated highest in every result.</extracomment>
        <translation>；</translation>
    </message>
    <message>
        <source>Kendall&apos;s tau-b weighs the pairs of motivators in the same order against those in the opposite order: 1 is the same order, 0 no relation and -1 the reverse order.</source>
        <extracomment>After the sentences on how each earlier order agrees with today&apos;s.</extracomment>
        <translation>肯德尔 tau-b 将两次结果中顺序相同的激励因素对与顺序相反的激励因素对相比较：1 表示顺序相同，0 表示没有关联，-1 表示顺序相反。</translation>
    </message>
    <message>
        <source>Motivator</source>
        <extracomment>A column of the results over time: the motivator.</extracomment>
        <translation>激励因素</translation>
    </message>
    <message>
        <source>Over time</source>
        <extracomment>A column of the results over time: a small chart of one motivator&apos;s ratings, oldest first.</extracomment>
        <translation>变化趋势</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The column of today&apos;s rating in the results over time.</extracomment>
        <translation>今天</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Ratings in your %n results, the oldest first and today&apos;s last, the motivators in today&apos;s order:</source>
        <extracomment>Above the table of results over time; %n is how many results it shows. Keep an access key.</extracomment>
        <translation>
            <numerusform>您的 %n 个结果中的评分，最早的在前，今天的在最后，激励因素按今天的顺序排列(&amp;R)：</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s result, %1</source>
        <extracomment>The tooltip of the column of today&apos;s rating; %1 is the date and time now.</extracomment>
        <translation>今天的结果，%1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>A button of the results over time that copies them as text. Keep an access key.</extracomment>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>A button of the comparison and of the results over time that prints them. Keep an access key.</extracomment>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <extracomment>A button of the comparison and of the results over time that saves them as a PDF document. Keep an access key.</extracomment>
        <translation>导出为 PDF(&amp;E)...</translation>
    </message>
    <message>
        <source>Tolvar results over time.pdf</source>
        <extracomment>The file name the PDF of the results over time is offered under; keep &quot;.pdf&quot;.</extracomment>
        <translation>Tolvar 历次结果.pdf</translation>
    </message>
    <message>
        <source>today (%1)</source>
        <extracomment>In the copy of the results over time, today&apos;s time; %1 is the date and time.</extracomment>
        <translation>今天（%1）</translation>
    </message>
    <message>
        <source>Results of %1.</source>
        <extracomment>The copy&apos;s second line: the times of the results, oldest first, joined by &quot;, &quot;.</extracomment>
        <translation>各次结果的时间：%1。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the copied results over time: %1 the motivator, %2 its ratings, oldest first, as &quot;3, 4, 6&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Could not print to %1.</source>
        <extracomment>Told after printing, when the chosen printer or file could not be opened or stopped with an error; %1 is the printer&apos;s name or the file&apos;s path.</extracomment>
        <translation>无法打印到 %1。</translation>
    </message>
    <message>
        <source>Printed to the file %1.</source>
        <extracomment>Told after the print dialog wrote the page to a file instead of a printer; %1 is the file&apos;s path.</extracomment>
        <translation>已打印到文件 %1。</translation>
    </message>
    <message>
        <source>Sent to the printer %1.</source>
        <extracomment>Told after the page went to the printer; %1 is the printer&apos;s name.</extracomment>
        <translation>已发送到打印机 %1。</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>Title of the file dialog that saves the result as a PDF document.</extracomment>
        <translation>保存为 PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>Filter of the file dialog that saves the result; keep &quot;(*.pdf)&quot; exactly.</extracomment>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <extracomment>Told when the PDF could not be written; %1 is the file&apos;s path, %2 the system&apos;s reason (already translated by the system).</extracomment>
        <translation>无法保存 %1：%2。</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <extracomment>Told after the PDF was written; %1 is the file&apos;s path.</extracomment>
        <translation>已保存为 %1。</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A message box button, as Qt names it. The messages refer to it as &quot;Cancel button&quot;.</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes the comparison&apos;s dialog, as Qt names it.</extracomment>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ResultFile</name>
    <message>
        <source>It is not written in UTF-8 or UTF-16.</source>
        <extracomment>Why a file was not read: it is text in an encoding Tolvar does not read.</extracomment>
        <translation>该文件的编码不是 UTF-8 或 UTF-16。</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Why a file was not read: it holds something other than text.</extracomment>
        <translation>该文件不是文本文件。</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <extracomment>Why a file was not read: the name chosen is a folder.</extracomment>
        <translation>这是一个文件夹。</translation>
    </message>
    <message>
        <source>It is larger than %1, far larger than a saved result.</source>
        <extracomment>Why a file was not read: %1 is the most Tolvar reads, as &quot;1 MiB&quot;.</extracomment>
        <translation>该文件大于 %1，远大于保存的结果文件。</translation>
    </message>
</context>
<context>
    <name>ResultReport</name>
    <message>
        <source>Tolvar result, copied %1</source>
        <extracomment>The copied result&apos;s first line; %1 is the date and time, as 2026-12-08T14:05.</extracomment>
        <translation>Tolvar 结果，复制于 %1</translation>
    </message>
    <message>
        <source>Marked as the most motivating: %1</source>
        <extracomment>The copied result&apos;s second line; %1 is the motivator the user marked at the start.</extracomment>
        <translation>选为最能激励您的一项：%1</translation>
    </message>
    <message>
        <source>Replies: %1</source>
        <extracomment>The copied result&apos;s last line; %1 is the 28 replies in the letters A and B, in groups of four (&quot;ABBA ABAB ...&quot;). The letters stay A and B in every language.</extracomment>
        <translation>回答：%1</translation>
    </message>
    <message numerus="yes">
        <source>Consistency: %n circular triads (0 is fully consistent, %1 the most possible, and random replies make %2 on average).</source>
        <extracomment>The copied result&apos;s last line, and the tooltip of &quot;Rating by you&quot;. %n circular triads: three motivators whose replies go round in a circle (A over B, B over C, C over A).</extracomment>
        <translation>
            <numerusform>一致性：%n 个循环三元组（0 表示完全一致，%1 为最大可能值，随机回答平均产生 %2 个）。</numerusform>
        </translation>
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
        <translation>请在此选择</translation>
    </message>
</context>
<context>
    <name>tolvar::ui::ResultMenu</name>
    <message>
        <source>&amp;Result</source>
        <extracomment>The menu in the window&apos;s menu bar that holds what can be done with a result. Keep an access key that no button of the window uses.</extracomment>
        <translation>结果(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <extracomment>An entry of the Result menu (and the window&apos;s context menu) that copies the result as text. Keep an access key, different from the menu&apos;s other entries.</extracomment>
        <translation>复制结果(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save Result As...</source>
        <extracomment>An entry of the Result menu that saves the result as a text file. Keep an access key.</extracomment>
        <translation>将结果另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>An entry of the Result menu that prints the result. Keep an access key.</extracomment>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <extracomment>An entry of the Result menu that saves the result as a PDF file. Keep an access key.</extracomment>
        <translation>导出为 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Earlier Result...</source>
        <extracomment>An entry of the Result menu that compares the result shown with an earlier copied one. Keep an access key.</extracomment>
        <translation>与先前结果比较(&amp;M)...</translation>
    </message>
    <message>
        <source>Compare with Sa&amp;ved Results...</source>
        <extracomment>An entry of the Result menu that compares the result shown with results saved in files. Keep an access key.</extracomment>
        <translation>与已保存的结果比较(&amp;V)...</translation>
    </message>
</context>
<context>
    <name>tolvar::ui::frmForm001</name>
    <message>
        <source>&amp;Proceed</source>
        <extracomment>A button; its caption changes to &quot;&amp;Start New&quot; once the questions start. Keep an access key.</extracomment>
        <translation>继续(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Start New</source>
        <extracomment>The Proceed button&apos;s caption once the questions have started. Keep an access key.</extracomment>
        <translation>重新开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button that ends the program. Keep an access key.</extracomment>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <extracomment>A button that shows the program&apos;s information. Keep an access key.</extracomment>
        <translation>关于(&amp;B)</translation>
    </message>
    <message>
        <source>Select one of the following, which motivates you the most or you prefer the most, while deciding on any of your activities and then click on Proceed button..</source>
        <extracomment>The instruction above the motivators. &quot;Proceed&quot; names the Proceed button.</extracomment>
        <translation>在对自己的任何活动做决定时，请从以下各项中选出最能激励您或您最看重的一项，然后单击“继续”按钮。</translation>
    </message>
    <message>
        <source>Rating by you</source>
        <extracomment>The heading above the eight ratings, beside the motivators.</extracomment>
        <translation>您的评分</translation>
    </message>
    <message>
        <source>Rating of %1</source>
        <extracomment>What a screen reader says of a rating; %1 is the motivator it rates.</extracomment>
        <translation>%1的评分</translation>
    </message>
    <message>
        <source>Question  No.  =</source>
        <extracomment>Stands before the number of the question shown, 1 to 28.</extracomment>
        <translation>题号：</translation>
    </message>
    <message>
        <source>A]</source>
        <extracomment>Marks side A of the question; the selector&apos;s entry &quot;A&quot; picks it.</extracomment>
        <translation>A]</translation>
    </message>
    <message>
        <source>Which one of the following two, motivates you more ?</source>
        <extracomment>The question above its two sides.</extracomment>
        <translation>以下两项中，哪一项更能激励您？</translation>
    </message>
    <message>
        <source>B]</source>
        <extracomment>Marks side B of the question; the selector&apos;s entry &quot;B&quot; picks it.</extracomment>
        <translation>B]</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <extracomment>A button that stores the reply and shows the question before. Keep an access key.</extracomment>
        <translation>上一题(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>A button that stores the reply and shows the next question. Keep an access key.</extracomment>
        <translation>下一题(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Evaluate</source>
        <extracomment>A button that counts the ratings once every question has a stored reply. Keep an access key.</extracomment>
        <translation>评估(&amp;E)</translation>
    </message>
    <message>
        <source>Result copied.</source>
        <extracomment>Said by a screen reader after the result was copied.</extracomment>
        <translation>结果已复制。</translation>
    </message>
    <message>
        <source>Now reply to following  28  questions, one by one, to get some interesting information about yourself. You can quit at any time, if you don&apos;t wish to continue.</source>
        <extracomment>The message after Proceed, before the first question. Keep the number 28.</extracomment>
        <translation>现在请逐一回答下面的 28 个问题，以获得一些关于您自己的有趣信息。如果您不想继续，可以随时退出。</translation>
    </message>
    <message>
        <source>Question %1: A] %2. B] %3.</source>
        <extracomment>What a screen reader says of the reply selector: the question shown, %1 its number, %2 and %3 its sides A and B.</extracomment>
        <translation>第 %1 题：A] %2。B] %3。</translation>
    </message>
    <message>
        <source>%1 Reply: %2.</source>
        <extracomment>Said by a screen reader after Next or Previous: %1 the question, as &quot;Question 2: A] ... B] ...&quot;, %2 the reply shown in the selector.</extracomment>
        <translation>%1回答：%2。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One rating as a screen reader says it: %1 the motivator, %2 its rating.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>Said by a screen reader once the ratings are shown: %1 is &quot;Rating by you&quot;, %2 the ratings, joined by the separator below.</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two ratings said by a screen reader.</extracomment>
        <translation>，</translation>
    </message>
    <message>
        <source>Please reply against question number  %1.  Then move previous or next, for this program to accept your reply.</source>
        <extracomment>The first line of the message when Evaluate finds a question without a stored reply; %1 is its number.</extracomment>
        <translation>请回答第 %1 题。然后单击“上一题”或“下一题”，以便本程序接受您的回答。</translation>
    </message>
    <message>
        <source>Click on Cancel button to start again.</source>
        <extracomment>The second line of that message. &quot;Cancel&quot; names the button.</extracomment>
        <translation>单击“取消”按钮可重新开始。</translation>
    </message>
    <message>
        <source>Here is the result ! The highest rating indicates the most dominant motivator and the lowest rating indicates the least dominant motivator for you.  Compare it with your earlier selected motivator.</source>
        <extracomment>The first paragraph of the message that comes with the ratings.</extracomment>
        <translation>结果出来了！评分最高的是对您影响最大的激励因素，评分最低的是对您影响最小的激励因素。请将结果与您先前选择的激励因素进行比较。</translation>
    </message>
    <message>
        <source>You may do this exercise at different times, on different days, to verify the consistency or changes in your motivators.</source>
        <extracomment>The second paragraph of the message that comes with the ratings.</extracomment>
        <translation>您可以在不同的时间、不同的日子做这项练习，以检验您的激励因素是保持一致还是有所变化。</translation>
    </message>
    <message>
        <source>Tolvar %1</source>
        <extracomment>The About message&apos;s first line: the program&apos;s name and %1 its version.</extracomment>
        <translation>Tolvar %1</translation>
    </message>
    <message>
        <source>Finds which of eight motivators drives you most, from your replies to 28 paired questions.</source>
        <extracomment>The About message&apos;s description of the program.</extracomment>
        <translation>根据您对 28 道成对比较题的回答，找出八个激励因素中最能激励您的一个。</translation>
    </message>
    <message>
        <source>Developed by the Tolvar project.</source>
        <translation>由 Tolvar 项目开发。</translation>
    </message>
    <message>
        <source>Contact: through the Tolvar project, as its README describes.</source>
        <translation>联系方式：通过 Tolvar 项目联系，详见该项目的 README。</translation>
    </message>
    <message>
        <source>About Tolvar</source>
        <extracomment>The title of the About message.</extracomment>
        <translation>关于 Tolvar</translation>
    </message>
    <message>
        <source>After an evaluation, the Result menu copies, saves, prints or exports the result and compares it with earlier ones; %1 copies it as text.</source>
        <translation>评估之后，可通过“结果”菜单复制、保存、打印或导出结果，并将其与先前的结果进行比较；按 %1 可将结果复制为文本。</translation>
    </message>
    <message>
        <source>A comparison follows an evaluation: reply to all 28 questions and click Evaluate, then compare the ratings with an earlier result.</source>
        <extracomment>The message when the user asks to compare before the ratings are shown.</extracomment>
        <translation>比较需在评估之后进行：请回答全部 28 个问题并单击“评估”，然后再将评分与先前的结果进行比较。</translation>
    </message>
    <message>
        <source>There is no result yet: reply to all 28 questions and click Evaluate, then copy, save or print it.</source>
        <translation>还没有结果：请回答全部 28 个问题并单击“评估”，然后再复制、保存或打印结果。</translation>
    </message>
</context>
</TS>
