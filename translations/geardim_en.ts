<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AllowanceTable</name>
    <message>
        <source>第 %1 行应为表头 code,diameterFrom,diameterTo,upper,lower。</source>
        <translation>line %1 should be the header code,diameterFrom,diameterTo,upper,lower.</translation>
    </message>
    <message>
        <source>第 %1 行应有 5 列：代号、直径自、直径至、上偏差、下偏差。</source>
        <translation>line %1 should have 5 columns: code, diameter from, diameter to, upper and lower allowance.</translation>
    </message>
    <message>
        <source>第 %1 行有一个值不是有效的数字。</source>
        <translation>line %1 has a value that is not a valid number.</translation>
    </message>
    <message>
        <source>第 %1 行的直径范围不对：应为 0 ≤ 直径自 &lt; 直径至。</source>
        <translation>the diameter range of line %1 is wrong: it should be 0 ≤ from &lt; to.</translation>
    </message>
    <message>
        <source>第 %1 行的上偏差小于下偏差。</source>
        <translation>on line %1 the upper allowance is below the lower one.</translation>
    </message>
    <message>
        <source>偏差表没有表头（第 %1 行）。</source>
        <translation>the allowance table has no header (line %1).</translation>
    </message>
    <message>
        <source>无法读取齿厚偏差表“%1”：%2</source>
        <translation>Cannot read the allowance table &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>文件大于 1 MiB。</source>
        <translation>the file is larger than 1 MiB.</translation>
    </message>
    <message>
        <source>齿厚偏差表</source>
        <translation>Allowance Table</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>批量文件没有表头。</source>
        <translation>The batch file has no header.</translation>
    </message>
    <message>
        <source>批量文件的表头有未知的列“%1”。</source>
        <translation>The batch file&apos;s header has an unknown column &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>这一行有 %1 列，表头有 %2 列。</source>
        <translation>This line has %1 columns, the header %2.</translation>
    </message>
    <message>
        <source>列“%1”的值“%2”无效。</source>
        <translation>The value &quot;%2&quot; of column &quot;%1&quot; is not valid.</translation>
    </message>
    <message>
        <source>第 %1 行开始的引号没有闭合（或记录超过 64 KiB）。</source>
        <translation>the quote opened on line %1 is not closed (or the record is longer than 64 KiB).</translation>
    </message>
    <message>
        <source>第 %1 行超过 64 KiB。</source>
        <translation>line %1 is longer than 64 KiB.</translation>
    </message>
    <message>
        <source>批量文件的表头有两列“%1”。</source>
        <translation>The batch file&apos;s header names the column &quot;%1&quot; twice.</translation>
    </message>
    <message>
        <source>%1 列的值不是数。</source>
        <translation>The value in column %1 is not a number.</translation>
    </message>
    <message>
        <source>表头中的列“%1”不是花键的输入。</source>
        <translation>The column &apos;%1&apos; in the header is not an input of a spline.</translation>
    </message>
    <message>
        <source>表头中缺少 designation 列。</source>
        <translation>The header has no designation column.</translation>
    </message>
    <message>
        <source>表头中缺少 %1 列。</source>
        <translation>The header has no %1 column.</translation>
    </message>
    <message>
        <source>表头中的列“%1”不是齿轮副的输入。</source>
        <translation>The header&apos;s column “%1” is not an input of a gear pair.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>从齿轮文件读取输入，其他选项覆盖文件中的值</source>
        <translation>read the inputs from a gear file; other options override its values</translation>
    </message>
    <message>
        <source>把选项生效后的输入写入齿轮文件</source>
        <translation>write the inputs, with the options applied, to a gear file</translation>
    </message>
    <message>
        <source>把测量尺寸表导出为 A4 PDF</source>
        <translation>write the inspection sheet as an A4 PDF</translation>
    </message>
    <message>
        <source>把测量图写入 PNG 或 SVG 文件</source>
        <translation>write the picture of the measurement to a PNG or SVG file</translation>
    </message>
    <message>
        <source>测量图的大小，默认 1200x800</source>
        <translation>size of the picture, 1200x800 by default</translation>
    </message>
    <message>
        <source>批量计算：CSV 文件，表头为选项名（不带 --），每行一个齿轮</source>
        <translation>batch run: a CSV file whose header names the options (without --), one gear per line</translation>
    </message>
    <message>
        <source>批量结果的 CSV 文件（默认标准输出）</source>
        <translation>CSV file for the batch results (standard output by default)</translation>
    </message>
    <message>
        <source>输出格式：text（默认）、csv 或 json</source>
        <translation>output format: text (default), csv or json</translation>
    </message>
    <message>
        <source>--gauge 只能是 ball 或 pin，而不是“%1”。</source>
        <translation>--gauge must be ball or pin, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--%1 的值“%2”不是有效的数字。</source>
        <translation>the value &quot;%2&quot; of --%1 is not a valid number.</translation>
    </message>
    <message>
        <source>写入批量结果失败。</source>
        <translation>writing the batch results failed.</translation>
    </message>
    <message>
        <source>--format 只能是 text、csv 或 json，而不是“%1”。</source>
        <translation>--format must be text, csv or json, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>缺少 --teeth（齿数 z）。</source>
        <translation>--teeth (number of teeth z) is missing.</translation>
    </message>
    <message>
        <source>没有结果：</source>
        <translation>no result: </translation>
    </message>
    <message>
        <source>未知的命令“%1”。</source>
        <translation>unknown command &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>用 geardim --help 查看用法。</source>
        <translation>see geardim --help for the usage.</translation>
    </message>
    <message>
        <source>%1 行（共 %2 行）没有结果，原因见 error 列。</source>
        <translation>%1 of %2 lines have no result; the error column says why.</translation>
    </message>
    <message>
        <source>缺少 --module（法向模数 mn）或 --diametral-pitch（径节 P）。</source>
        <translation>--module (normal module mn) or --diametral-pitch (diametral pitch P) is missing.</translation>
    </message>
    <message>
        <source>无法打开批量文件“%1”：%2。</source>
        <translation>cannot open the batch file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>--out 与 --batch 是同一个文件“%1”：批量结果不能写到输入文件上。</source>
        <translation>--out and --batch are the same file &quot;%1&quot;: the results cannot be written over the input.</translation>
    </message>
    <message>
        <source>无法写入“%1”：%2。</source>
        <translation>cannot write &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>无法写入“%1”：%2。原有文件未改动。</source>
        <translation>cannot write &quot;%1&quot;: %2. The old file is unchanged.</translation>
    </message>
    <message>
        <source>--%1 不能与 --batch 一起使用。</source>
        <translation>--%1 cannot be used with --batch.</translation>
    </message>
    <message>
        <source>--picture-size 应为 宽x高（像素，100 到 %1），而不是“%2”。</source>
        <translation>--picture-size must be WIDTHxHEIGHT (pixels, 100 to %1), not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>批量计算后给出各实测尺寸的汇总：件数、合格数、平均、最小、最大、s、Cp、Cpk</source>
        <translation>after a batch, summarise each measured dimension: count, passes, fails, mean, minimum, maximum, s, Cp, Cpk</translation>
    </message>
    <message>
        <source>把这一件的检验记录追加到 CSV 日志</source>
        <translation>append this part&apos;s inspection record to a CSV log</translation>
    </message>
    <message>
        <source>图号（存入齿轮文件和检验记录）</source>
        <translation>drawing number (kept in the gear file and the inspection record)</translation>
    </message>
    <message>
        <source>零件编号（检验记录）</source>
        <translation>part or serial number (inspection record)</translation>
    </message>
    <message>
        <source>检验员（检验记录）</source>
        <translation>inspector (inspection record)</translation>
    </message>
    <message>
        <source>量具编号（检验记录）</source>
        <translation>gauge number (inspection record)</translation>
    </message>
    <message>
        <source>--%1 只用于 --batch。</source>
        <translation>--%1 is only for --batch.</translation>
    </message>
    <message>
        <source>齿厚偏差表（CSV：code,diameterFrom,diameterTo,upper,lower），供 --allowance-code 使用</source>
        <translation>tooth thickness allowance table (CSV: code,diameterFrom,diameterTo,upper,lower) for --allowance-code</translation>
    </message>
    <message>
        <source>把图纸的齿轮参数表写入 DXF、SVG 或 CSV 文件</source>
        <translation>write the drawing&apos;s gear data table to a DXF, SVG or CSV file</translation>
    </message>
    <message>
        <source>--hand 只能是 left 或 right，而不是“%1”。</source>
        <translation>--hand must be left or right, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--%1 的值是空的。</source>
        <translation>the value of --%1 is empty.</translation>
    </message>
    <message>
        <source>花键：按标记计算跨棒距或棒间距及其上下限</source>
        <translation>Spline: the dimension over or between pins and its limits, from the designation</translation>
    </message>
    <message>
        <source>花键标记，如 &quot;INT 25z × 1m × 30P × 5H ISO 4156&quot; 或 &quot;DIN 5480 - W 50 x 2 x 24 x 8f&quot;</source>
        <translation>spline designation, such as &quot;INT 25z × 1m × 30P × 5H ISO 4156&quot; or &quot;DIN 5480 - W 50 x 2 x 24 x 8f&quot;</translation>
    </message>
    <message>
        <source>量棒直径，默认为建议值</source>
        <translation>pin diameter; the proposed pin if not given</translation>
    </message>
    <message>
        <source>花键长度 g（综合公差 λ 用）</source>
        <translation>spline length g (for the effective variation λ)</translation>
    </message>
    <message>
        <source>DIN 5480：齿厚或齿槽宽的上偏差（mm）</source>
        <translation>DIN 5480: upper deviation of the tooth thickness or space width (mm)</translation>
    </message>
    <message>
        <source>DIN 5480：齿厚或齿槽宽的下偏差（mm）</source>
        <translation>DIN 5480: lower deviation of the tooth thickness or space width (mm)</translation>
    </message>
    <message>
        <source>DIN 5480：综合公差 λ（mm）</source>
        <translation>DIN 5480: effective variation λ (mm)</translation>
    </message>
    <message>
        <source>命令</source>
        <translation>command</translation>
    </message>
    <message>
        <source>未知的输出格式“%1”。</source>
        <translation>Unknown output format &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>缺少 --designation：花键标记。</source>
        <translation>Missing --designation: the spline designation.</translation>
    </message>
    <message>
        <source>--%1 的值“%2”不是数。</source>
        <translation>The value &apos;%2&apos; of --%1 is not a number.</translation>
    </message>
    <message>
        <source>批量计算：CSV 文件，表头为选项名（不带 --），每行一个花键</source>
        <translation>batch run: a CSV file whose header names the options (without --), one spline a line</translation>
    </message>
    <message>
        <source>--%1 不能与 --batch 同用：批量文件的列给出每个花键的输入。</source>
        <translation>--%1 does not go with --batch: the batch file&apos;s columns give each spline&apos;s inputs.</translation>
    </message>
    <message>
        <source>--out 只用于 --batch。</source>
        <translation>--out is only for --batch.</translation>
    </message>
    <message>
        <source>从花键文件读取输入，其他选项覆盖文件中的值</source>
        <translation>read the inputs from a spline file; other options override its values</translation>
    </message>
    <message>
        <source>把选项生效后的输入写入花键文件</source>
        <translation>write the inputs, options applied, to a spline file</translation>
    </message>
    <message>
        <source>把花键的尺寸表导出为 A4 PDF</source>
        <translation>export the spline&apos;s table as an A4 PDF</translation>
    </message>
    <message>
        <source>实测的跨棒距或棒间距 M，给出实际尺寸和判定</source>
        <translation>the measured dimension M over or between pins: gives the actual size and a verdict</translation>
    </message>
    <message>
        <source>DIN 5480：从齿厚偏差表按标记中的公差代号（如 8f）和参考直径 dB 取上下偏差</source>
        <translation>DIN 5480: take the upper and lower deviations from the allowance table, by the designation&apos;s tolerance (such as 8f) and the reference diameter dB</translation>
    </message>
    <message>
        <source>实测值不合格时以状态 4 退出，无法判定时以状态 5 退出（供脚本使用）</source>
        <translation>Exit with status 4 when a measured value fails, 5 when it cannot be judged (for scripts)</translation>
    </message>
    <message>
        <source>--%1 与 --%2 是同一个文件“%3”：输出不能写到输入文件上。</source>
        <translation>--%1 and --%2 are the same file &quot;%3&quot;: an output cannot be written over an input.</translation>
    </message>
    <message>
        <source>图号（检验记录）</source>
        <translation>drawing number (inspection record)</translation>
    </message>
    <message>
        <source>量棒不能同时接触齿槽两侧的齿面：没有测量图。</source>
        <translation>The pins cannot touch both flanks of a space: no measurement picture.</translation>
    </message>
    <message>
        <source>花键的跨棒距或棒间距及上下限（见 spline --help）</source>
        <translation>spline: M over or between pins (spline --help)</translation>
    </message>
    <message>
        <source>齿轮副的中心距、侧隙和重合度（见 pair --help）</source>
        <translation>gear pair: backlash, contact ratio (pair --help)</translation>
    </message>
    <message>
        <source>渐开线圆柱齿轮测量尺寸计算。不带参数启动窗口；命令：</source>
        <translation>Inspection dimensions of involute cylindrical gears.
Without arguments the windows start; commands:</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>options</translation>
    </message>
    <message>
        <source>齿轮的测量尺寸表（选项见下）</source>
        <translation>a gear&apos;s inspection sheet (options below)</translation>
    </message>
    <message>
        <source>--lang zh|en 选择语言。</source>
        <translation>--lang zh|en chooses the language.</translation>
    </message>
    <message>
        <source>sheet、spline 或 pair</source>
        <translation>sheet, spline or pair</translation>
    </message>
    <message>
        <source>缺少命令：sheet、spline 或 pair。</source>
        <translation>A command is missing: sheet, spline or pair.</translation>
    </message>
    <message>
        <source>齿轮副：中心距、啮合角、侧隙上下限、重合度和齿顶间隙</source>
        <translation>Gear pair: centre distance, working pressure angle, backlash limits, contact ratio and tip clearances</translation>
    </message>
    <message>
        <source>从齿轮文件读取齿轮 1（其他选项覆盖其值）</source>
        <translation>read gear 1 from a gear file (other options override its values)</translation>
    </message>
    <message>
        <source>从齿轮文件读取齿轮 2（其他选项覆盖其值）</source>
        <translation>read gear 2 from a gear file (other options override its values)</translation>
    </message>
    <message>
        <source>从齿轮副文件读取输入，其他选项覆盖文件中的值</source>
        <translation>read the inputs from a pair file; other options override the file&apos;s values</translation>
    </message>
    <message>
        <source>把选项生效后的输入写入齿轮副文件</source>
        <translation>write the inputs, options applied, to a pair file</translation>
    </message>
    <message>
        <source>把齿轮副的计算表导出为 A4 PDF</source>
        <translation>export the gear pair&apos;s tables as an A4 PDF</translation>
    </message>
    <message>
        <source>批量计算：CSV 文件，表头为选项名（不带 --），每行一个齿轮副</source>
        <translation>batch: a CSV file whose header names the options (without --), one gear pair a line</translation>
    </message>
    <message>
        <source>--%1 不能与 --batch 同用：批量文件的列给出每个齿轮副的输入。</source>
        <translation>--%1 does not go with --batch: the batch file&apos;s columns give each gear pair&apos;s inputs.</translation>
    </message>
    <message>
        <source>缺少 --module 或 --diametral-pitch。</source>
        <translation>--module or --diametral-pitch is missing.</translation>
    </message>
    <message>
        <source>缺少 --teeth1 或 --teeth2：两个齿轮的齿数。</source>
        <translation>--teeth1 or --teeth2 is missing: the tooth counts of both gears.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>“%1”已修改。是否保存？</source>
        <translation>&quot;%1&quot; has been changed. Save it?</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t Save</translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source>端面截面，按公称尺寸画出</source>
        <translation>Transverse section, drawn at the nominal sizes</translation>
    </message>
    <message>
        <source>；斜齿轮的量球（棒）在端面上相当于直径 D/cos βb 的圆</source>
        <translation>; on a helical gear a ball (pin) acts in this section as a circle of diameter D/cos βb</translation>
    </message>
    <message>
        <source>；奇数齿斜齿轮的另一根量棒在相距半个轴向齿距的截面上</source>
        <translation>; on a helical gear with an odd number of teeth the other pin lies in a section half an axial pitch away</translation>
    </message>
    <message>
        <source>测量图</source>
        <translation>Picture of the measurement</translation>
    </message>
    <message>
        <source>；公法线量具的测量面在圆 d_W 上接触齿面</source>
        <translation>; the span micrometer&apos;s anvils touch the flanks on the circle d_W</translation>
    </message>
    <message>
        <source>齿轮副的端面截面，按公称齿厚和公称中心距画出；齿轮 2 在左侧齿面接触，节圆上的圆周侧隙在右侧标出（最小 … 最大）</source>
        <translation>Transverse section of the gear pair at the nominal thicknesses and centre distance; gear 2 touches on the left flank, the circumferential backlash on the working circle is marked on the right (least … greatest)</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>模数m必须大于0。请输入正的模数。</source>
        <translation>The module m must be greater than 0. Enter a positive module.</translation>
    </message>
    <message>
        <source>齿数z必须大于0。请输入正的齿数。</source>
        <translation>The number of teeth z must be greater than 0. Enter a positive number of teeth.</translation>
    </message>
    <message>
        <source>齿数z不能小于1。请检查齿数z。</source>
        <translation>The number of teeth z cannot be less than 1. Check the number of teeth z.</translation>
    </message>
    <message>
        <source>压力角α必须大于0°且小于90°。请检查压力角。</source>
        <translation>The pressure angle α must lie between 0° and 90°. Check the pressure angle.</translation>
    </message>
    <message>
        <source>螺旋角β必须大于-90°且小于90°。请检查螺旋角。</source>
        <translation>The helix angle β must lie between -90° and 90°. Check the helix angle.</translation>
    </message>
    <message>
        <source>量棒（球）直径d必须大于0。请检查量棒直径。</source>
        <translation>The pin (ball) diameter d must be greater than 0. Check the pin diameter.</translation>
    </message>
    <message>
        <source>量棒（球）直径d不能为负数。请检查量棒直径。</source>
        <translation>The pin (ball) diameter d cannot be negative. Check the pin diameter.</translation>
    </message>
    <message>
        <source>齿根圆直径必须大于0。请重新输入齿根圆直径。</source>
        <translation>The root diameter must be greater than 0. Enter the root diameter again.</translation>
    </message>
    <message>
        <source>无法计算跨测齿数k和公法线长度L：负变位过大，(1+2x/z)² 小于 cos²α。请检查变位系数x和齿数z。</source>
        <translation>The span count k and the base tangent length L cannot be computed: the negative profile shift is too large, (1+2x/z)² is less than cos²α. Check the profile shift coefficient x and the number of teeth z.</translation>
    </message>
    <message>
        <source>量棒（球）中心不在渐开线齿廓上，M值没有意义：量棒直径d对该齿轮过大或过小，或数据相互矛盾。请检查量棒直径d和变位系数x。</source>
        <translation>The pin (ball) centre does not lie on the involute, so the dimension over pins would be meaningless: the pin diameter d is too large or too small for this gear, or the data contradict each other. Check the pin diameter d and the profile shift coefficient x.</translation>
    </message>
    <message>
        <source>接触圆在基圆之内，无法估算量棒（球）直径：负变位过大。请检查变位系数x、齿数z和螺旋角β。</source>
        <translation>The contact circle lies inside the base circle, so no pin (ball) diameter can be proposed: the negative profile shift is too large. Check the profile shift coefficient x, the number of teeth z and the helix angle β.</translation>
    </message>
    <message>
        <source>量棒（球）直径的迭代计算不收敛或没有有效解，无法估算。请检查输入的齿轮数据。</source>
        <translation>The iteration for the pin (ball) diameter does not converge or has no valid solution. Check the gear data.</translation>
    </message>
    <message>
        <source>按这些数据估算出的量棒（球）直径不大于0，没有可用的量棒（球）。请检查变位系数x和齿数z。</source>
        <translation>The pin (ball) diameter proposed for these data is not greater than 0: no pin (ball) fits. Check the profile shift coefficient x and the number of teeth z.</translation>
    </message>
    <message>
        <source>量棒（球）中心所在的圆在基圆之内，无法求变位系数：M值或量棒直径d与该齿轮不符（外齿M值过小，内齿M值过大）。请检查M值和量棒直径d。</source>
        <translation>The circle through the pin (ball) centres lies inside the base circle, so the profile shift cannot be found: the dimension M or the pin diameter d does not suit this gear (M too small for external teeth, too large for internal ones). Check M and the pin diameter d.</translation>
    </message>
    <message>
        <source>弦齿厚s不小于当量齿轮的分度圆直径，无法求变位系数。请检查齿厚s、模数m、齿数z和螺旋角β。</source>
        <translation>The chordal tooth thickness s is not smaller than the reference diameter of the virtual gear, so the profile shift cannot be found. Check the thickness s, the module m, the number of teeth z and the helix angle β.</translation>
    </message>
    <message>
        <source>公法线长度L对该齿轮过小，估算出的跨齿数k小于1，没有结果。请检查公法线长度L和模数m、齿数z。</source>
        <translation>The base tangent length L is too small for this gear: the estimated span count k is less than 1. Check the base tangent length L, the module m and the number of teeth z.</translation>
    </message>
    <message>
        <source>请填写法向模数m或径节P，二者只填一个。</source>
        <translation>Enter the normal module m or the diametral pitch P, only one of them.</translation>
    </message>
    <message>
        <source>变位系数x和法向齿厚sn只能填一个，另一个由程序计算。请清空其中一个。</source>
        <translation>Enter either the profile shift coefficient x or the normal tooth thickness sn; the program computes the other. Clear one of them.</translation>
    </message>
    <message>
        <source>齿数z必须是不小于1的整数。请检查齿数z。</source>
        <translation>The number of teeth z must be a whole number of at least 1. Check the number of teeth z.</translation>
    </message>
    <message>
        <source>法向齿厚sn（计入齿厚偏差后）必须大于0。请检查变位系数x、齿厚sn和齿厚偏差。</source>
        <translation>The normal tooth thickness sn (with its allowance) must be greater than 0. Check the profile shift coefficient x, the thickness sn and the tooth thickness allowances.</translation>
    </message>
    <message>
        <source>齿顶圆直径da必须大于0。请检查齿顶圆直径da。</source>
        <translation>The tip diameter da must be greater than 0. Check the tip diameter da.</translation>
    </message>
    <message>
        <source>齿顶高系数ha*不能为负数。请检查齿顶高系数。</source>
        <translation>The addendum coefficient ha* cannot be negative. Check the addendum coefficient.</translation>
    </message>
    <message>
        <source>齿宽b必须大于0。请检查齿宽b，或不填。</source>
        <translation>The face width b must be greater than 0. Check the face width b, or leave it empty.</translation>
    </message>
    <message>
        <source>计算结果超出可以表示的范围，没有结果。请检查输入的数值。</source>
        <translation>The result is out of the range that can be represented: no result. Check the values entered.</translation>
    </message>
    <message>
        <source>没有结果。请检查输入的数值。</source>
        <translation>No result. Check the values entered.</translation>
    </message>
    <message>
        <source>齿数z少于3：这样的齿轮既无法制造，也无法测量。请检查齿数z。</source>
        <translation>The number of teeth z is below 3: such a gear can be neither made nor measured. Check the number of teeth z.</translation>
    </message>
    <message>
        <source>跨测齿数k必须是不小于1、小于齿数z的整数。请检查跨测齿数k，或不填（由程序选择）。</source>
        <translation>The span count k must be a whole number of at least 1 and below the number of teeth z. Check the span count k, or leave it empty (the program chooses).</translation>
    </message>
    <message>
        <source>齿厚上偏差Esns小于下偏差Esni，二者填反了。请检查上偏差Esns和下偏差Esni。</source>
        <translation>The upper tooth thickness allowance Esns is below the lower allowance Esni: they are the wrong way round. Check the upper allowance Esns and the lower allowance Esni.</translation>
    </message>
    <message>
        <source>实测值必须大于0。请检查实测值。</source>
        <translation>A measured value must be greater than 0. Check the measured value.</translation>
    </message>
    <message>
        <source>按这个实测M值，量棒（球）中心落在基圆之内：M值与该齿轮和量棒直径不符（外齿过小，内齿过大）。请检查实测M值和量棒直径D。</source>
        <translation>This measured M puts the pin (ball) centres inside the base circle: M does not suit this gear and pin diameter (too small for external teeth, too large for internal ones). Check the measured M and the pin diameter D.</translation>
    </message>
    <message>
        <source>测量尺寸表对该齿轮不给出这一尺寸（内齿轮没有公法线和弦齿厚），无法评定。</source>
        <translation>The sheet gives no such dimension for this gear (an internal gear has no span and no chordal thickness), so it cannot be judged.</translation>
    </message>
    <message>
        <source>精度等级必须是 1 到 11 的整数（ISO 1328-1:2013）。请检查精度等级。</source>
        <translation>The accuracy class must be a whole number from 1 to 11 (ISO 1328-1:2013). Check the accuracy class.</translation>
    </message>
    <message>
        <source>按精度等级计算齿面公差需要齿宽b。请填写齿宽b。</source>
        <translation>Flank tolerances by the accuracy class need the face width b. Enter the face width b.</translation>
    </message>
    <message>
        <source>ISO 1328-1:2013 只适用于齿数 5 到 1000：该齿轮超出范围，没有齿面公差。</source>
        <translation>ISO 1328-1:2013 covers 5 to 1000 teeth: this gear is outside it and has no flank tolerances.</translation>
    </message>
    <message>
        <source>ISO 1328-1:2013 只适用于分度圆直径 5 到 15 000 mm：该齿轮超出范围，没有齿面公差。</source>
        <translation>ISO 1328-1:2013 covers reference diameters of 5 to 15 000 mm: this gear is outside it and has no flank tolerances.</translation>
    </message>
    <message>
        <source>ISO 1328-1:2013 只适用于法向模数 0.5 到 70 mm：该齿轮超出范围，没有齿面公差。</source>
        <translation>ISO 1328-1:2013 covers normal modules of 0.5 to 70 mm: this gear is outside it and has no flank tolerances.</translation>
    </message>
    <message>
        <source>ISO 1328-1:2013 只适用于齿宽 4 到 1200 mm：该齿轮超出范围，没有齿面公差。</source>
        <translation>ISO 1328-1:2013 covers face widths of 4 to 1200 mm: this gear is outside it and has no flank tolerances.</translation>
    </message>
    <message>
        <source>ISO 1328-1:2013 只适用于螺旋角不大于 45°：该齿轮超出范围，没有齿面公差。</source>
        <translation>ISO 1328-1:2013 covers helix angles up to 45°: this gear is outside it and has no flank tolerances.</translation>
    </message>
    <message>
        <source>填写了齿厚偏差代号，但没有选择齿厚偏差表。请选择偏差表（--allowance-table 或 设置 → 齿厚偏差表…）。</source>
        <translation>An allowance code was given, but no allowance table. Choose the table (--allowance-table, or Settings → Allowance Table…).</translation>
    </message>
    <message>
        <source>齿厚偏差表中没有这个代号。请检查齿厚偏差代号。</source>
        <translation>The allowance table has no such code. Check the allowance code.</translation>
    </message>
    <message>
        <source>齿厚偏差表中这个代号没有包含该分度圆直径 d 的行。请检查偏差表或代号。</source>
        <translation>The allowance table has no row of this code whose diameter range holds the reference diameter d. Check the table or the code.</translation>
    </message>
    <message>
        <source>法向模数 mn 须在 0.001 到 10000 mm 之间。</source>
        <translation>The normal module mn must lie between 0.001 and 10000 mm.</translation>
    </message>
    <message>
        <source>径节 P 须在 0.00254 到 25400 (1/in) 之间。</source>
        <translation>The diametral pitch P must lie between 0.00254 and 25400 (1/in).</translation>
    </message>
    <message>
        <source>中心距 a 须大于两齿轮基圆半径之和，否则不能啮合。请检查中心距及其下偏差。</source>
        <translation>The centre distance a must exceed the sum of both gears&apos; base radii, or they cannot mesh. Check the centre distance and its lower deviation.</translation>
    </message>
    <message>
        <source>中心距的上偏差小于下偏差。请交换上、下偏差。</source>
        <translation>The centre distance&apos;s upper deviation is below its lower one. Swap the deviations.</translation>
    </message>
    <message>
        <source>两齿轮的变位系数之和太小（负），任何中心距都不能啮合。请检查变位系数。</source>
        <translation>The sum of the gears&apos; profile shifts is so negative that no centre distance gives a mesh. Check the profile shifts.</translation>
    </message>
    <message>
        <source>样板齿轮齿数 z3 须为不小于 3 的整数。</source>
        <translation>The master gear&apos;s number of teeth z3 must be a whole number of at least 3.</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>请用小数点“.”。</source>
        <translation>Use a decimal point &quot;.&quot;.</translation>
    </message>
    <message>
        <source>只填写数字，不带单位。</source>
        <translation>Enter the number only, without a unit.</translation>
    </message>
    <message>
        <source>只填写一个数。</source>
        <translation>Enter one number only.</translation>
    </message>
    <message>
        <source>“%1”不是有效的数字。</source>
        <translation>&quot;%1&quot; is not a valid number.</translation>
    </message>
    <message>
        <source>“%1”不是有效的数字。%2</source>
        <translation>&quot;%1&quot; is not a valid number. %2</translation>
    </message>
</context>
<context>
    <name>Forgfxqx</name>
    <message>
        <source>填写:</source>
        <translation>Enter:</translation>
    </message>
    <message>
        <source>法向模数m:</source>
        <translation>Module m:</translation>
    </message>
    <message>
        <source>齿数z:</source>
        <translation>Teeth z:</translation>
    </message>
    <message>
        <source>分圆螺旋角β:</source>
        <translation>Helix angle β:</translation>
    </message>
    <message>
        <source>法向压力角α:</source>
        <translation>Pressure α:</translation>
    </message>
    <message>
        <source>跨齿数k:</source>
        <translation>Span k:</translation>
    </message>
    <message>
        <source>公法线长度L:</source>
        <translation>Length L:</translation>
    </message>
    <message>
        <source>已知公法线估算跨齿数k:</source>
        <translation>Estimate k from L:</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>继 续</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>退 出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>变位系数x:</source>
        <translation>Shift x:</translation>
    </message>
    <message>
        <source>已知公法线求变位系数x</source>
        <translation>Profile shift x from base tangent length</translation>
    </message>
</context>
<context>
    <name>Forhch</name>
    <message>
        <source>填   写：</source>
        <translation>Enter:</translation>
    </message>
    <message>
        <source>  弧(斜齿为弦)齿厚s:</source>
        <translation>Thickness s:</translation>
    </message>
    <message>
        <source>模   数m:</source>
        <translation>Module m:</translation>
    </message>
    <message>
        <source>齿 数z:</source>
        <translation>Teeth z:</translation>
    </message>
    <message>
        <source>压力角αn:</source>
        <translation>Pressure αn:</translation>
    </message>
    <message>
        <source>  螺 旋 角β:</source>
        <translation>Helix angle β:</translation>
    </message>
    <message>
        <source>变位系数x:</source>
        <translation>Shift x:</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>内齿</source>
        <translation>Int.</translation>
    </message>
    <message>
        <source>外齿</source>
        <translation>Ext.</translation>
    </message>
    <message>
        <source>退 出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>继 续</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>根据弧齿(斜齿为弦齿)厚求变位系数</source>
        <translation>Profile shift x from tooth thickness</translation>
    </message>
</context>
<context>
    <name>Formain</name>
    <message>
        <source>选  项：</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>M    值</source>
        <translation>M value</translation>
    </message>
    <message>
        <source>已知公法线长度求变位系数x</source>
        <translation>x from base tangent length</translation>
    </message>
    <message>
        <source>已知M值求变位系数x</source>
        <translation>x from M value</translation>
    </message>
    <message>
        <source>已知弧齿厚s求变位系数x</source>
        <translation>x from tooth thickness s</translation>
    </message>
    <message>
        <source>退  出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>测量尺寸表</source>
        <translation>Inspection sheet</translation>
    </message>
    <message>
        <source>Velkor测量尺寸</source>
        <translation>Velkor Measuring Dimensions</translation>
    </message>
    <message>
        <source>花  键</source>
        <translation>Splines</translation>
    </message>
    <message>
        <source>齿轮副</source>
        <translation>Gear pair</translation>
    </message>
</context>
<context>
    <name>Formz</name>
    <message>
        <source>填写下列各项:</source>
        <translation>Enter the data:</translation>
    </message>
    <message>
        <source>法面模数m:</source>
        <translation>Module m:</translation>
    </message>
    <message>
        <source>齿数z:</source>
        <translation>Teeth z:</translation>
    </message>
    <message>
        <source>法向压力角α:</source>
        <translation>Pressure α:</translation>
    </message>
    <message>
        <source>变位系数x:</source>
        <translation>Shift x:</translation>
    </message>
    <message>
        <source>螺旋角β:</source>
        <translation>Helix β:</translation>
    </message>
    <message>
        <source>量棒直径d:</source>
        <translation>Pin dia. d:</translation>
    </message>
    <message>
        <source>    M  值:</source>
        <translation>M value:</translation>
    </message>
    <message>
        <source>   弧齿厚s:</source>
        <translation>Thickness s:</translation>
    </message>
    <message>
        <source>公法线长度L:</source>
        <translation>Length L:</translation>
    </message>
    <message>
        <source> 跨测齿数k:</source>
        <translation>Span k:</translation>
    </message>
    <message>
        <source>确  定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>退  出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>估算量棒（球）直径d</source>
        <translation>Propose pin d</translation>
    </message>
    <message>
        <source>外齿</source>
        <translation>Ext.</translation>
    </message>
    <message>
        <source>内 齿</source>
        <translation>Int.</translation>
    </message>
    <message>
        <source>继  续</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>校验量棒d</source>
        <translation>Check pin</translation>
    </message>
    <message>
        <source>M  值</source>
        <translation>M value</translation>
    </message>
</context>
<context>
    <name>Formzqx</name>
    <message>
        <source>填   写：</source>
        <translation>Enter:</translation>
    </message>
    <message>
        <source>   M  值:</source>
        <translation>M value:</translation>
    </message>
    <message>
        <source> 模  数m:</source>
        <translation>Module:</translation>
    </message>
    <message>
        <source> 齿  数z:</source>
        <translation>Teeth z:</translation>
    </message>
    <message>
        <source>压力角αn:</source>
        <translation>Angle αn:</translation>
    </message>
    <message>
        <source>螺旋角β:</source>
        <translation>Helix β:</translation>
    </message>
    <message>
        <source> 量棒(球)直径d:</source>
        <translation>Pin dia. d:</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>退 出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>内齿</source>
        <translation>Int.</translation>
    </message>
    <message>
        <source>外齿</source>
        <translation>Ext.</translation>
    </message>
    <message>
        <source>继 续</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>变位系数x:</source>
        <translation>Shift x:</translation>
    </message>
    <message>
        <source>根据M值求变位系数</source>
        <translation>Profile shift x from M value</translation>
    </message>
</context>
<context>
    <name>GearData</name>
    <message>
        <source>法向径节 P</source>
        <translation>Normal diametral pitch P</translation>
    </message>
    <message>
        <source>法向模数 mn</source>
        <translation>Normal module mn</translation>
    </message>
    <message>
        <source>齿数 z</source>
        <translation>Number of teeth z</translation>
    </message>
    <message>
        <source>法向压力角 αn</source>
        <translation>Normal pressure angle αn</translation>
    </message>
    <message>
        <source>左旋</source>
        <translation>left hand</translation>
    </message>
    <message>
        <source>右旋</source>
        <translation>right hand</translation>
    </message>
    <message>
        <source>螺旋角 β</source>
        <translation>Helix angle β</translation>
    </message>
    <message>
        <source>变位系数 x</source>
        <translation>Profile shift coefficient x</translation>
    </message>
    <message>
        <source>分度圆直径 d</source>
        <translation>Reference diameter d</translation>
    </message>
    <message>
        <source>精度等级</source>
        <translation>Accuracy class</translation>
    </message>
    <message>
        <source>跨测齿数 k</source>
        <translation>Span count k</translation>
    </message>
    <message>
        <source>公法线长度 W</source>
        <translation>Base tangent length W</translation>
    </message>
    <message>
        <source>量球直径 D</source>
        <translation>Ball diameter D</translation>
    </message>
    <message>
        <source>量棒直径 D</source>
        <translation>Pin diameter D</translation>
    </message>
    <message>
        <source>量棒（球）间距 M</source>
        <translation>Dimension between pins (balls) M</translation>
    </message>
    <message>
        <source>跨棒（球）距 M</source>
        <translation>Dimension over pins (balls) M</translation>
    </message>
    <message>
        <source>配对齿轮图号</source>
        <translation>Mating gear drawing</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>无法写入“%1”：齿轮参数表只能是 .dxf、.svg 或 .csv。</source>
        <translation>Cannot write &quot;%1&quot;: the gear data table can only be .dxf, .svg or .csv.</translation>
    </message>
    <message>
        <source>无法写入“%1”：DXF 没有写成。</source>
        <translation>Cannot write &quot;%1&quot;: the DXF could not be made.</translation>
    </message>
    <message>
        <source>无法写入“%1”：%2。%3</source>
        <translation>Cannot write &quot;%1&quot;: %2. %3</translation>
    </message>
    <message>
        <source>齿厚上偏差 Esns</source>
        <translation>Upper thickness allowance Esns</translation>
    </message>
    <message>
        <source>齿厚下偏差 Esni</source>
        <translation>Lower thickness allowance Esni</translation>
    </message>
    <message>
        <source>单个齿距公差 fpT</source>
        <translation>Single pitch tolerance fpT</translation>
    </message>
    <message>
        <source>齿距累积总公差 FpT</source>
        <translation>Cumulative pitch tolerance FpT</translation>
    </message>
    <message>
        <source>齿廓总公差 FαT</source>
        <translation>Total profile tolerance FαT</translation>
    </message>
    <message>
        <source>螺旋线总公差 FβT</source>
        <translation>Total helix tolerance FβT</translation>
    </message>
    <message>
        <source>径向跳动公差 FrT</source>
        <translation>Runout tolerance FrT</translation>
    </message>
</context>
<context>
    <name>GearFile</name>
    <message>
        <source>“%1.%2”的值 %3 超出范围（%4）。</source>
        <translation>the value %3 of &quot;%1.%2&quot; is out of range (%4).</translation>
    </message>
    <message>
        <source>不是齿轮文件（缺少 &quot;format&quot;: &quot;geardim-gear&quot;）。</source>
        <translation>not a gear file (&quot;format&quot;: &quot;geardim-gear&quot; is missing).</translation>
    </message>
    <message>
        <source>“version”应为数字。</source>
        <translation>&quot;version&quot; should be a number.</translation>
    </message>
    <message>
        <source>文件来自较新的版本 %1，本程序只能读取版本 %2。</source>
        <translation>the file comes from the newer version %1; this program reads version %2.</translation>
    </message>
    <message>
        <source>“%1”应为对象。</source>
        <translation>&quot;%1&quot; should be an object.</translation>
    </message>
    <message>
        <source>缺少齿数“gear.teeth”。</source>
        <translation>the number of teeth &quot;gear.teeth&quot; is missing.</translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>Cannot open &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>文件大于 1 MiB，不是齿轮文件。</source>
        <translation>the file is larger than 1 MiB, not a gear file.</translation>
    </message>
    <message>
        <source>不是有效的 JSON（第 %1 字节：%2），文件可能不完整。</source>
        <translation>not valid JSON (byte %1: %2); the file may be incomplete.</translation>
    </message>
    <message>
        <source>不是齿轮文件。</source>
        <translation>not a gear file.</translation>
    </message>
    <message>
        <source>无法保存“%1”：%2</source>
        <translation>Cannot save &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>大于 0</source>
        <translation>greater than 0</translation>
    </message>
    <message>
        <source>不小于 1 的整数</source>
        <translation>a whole number of at least 1</translation>
    </message>
    <message>
        <source>0° 到 90° 之间</source>
        <translation>between 0° and 90°</translation>
    </message>
    <message>
        <source>-90° 到 90° 之间</source>
        <translation>between -90° and 90°</translation>
    </message>
    <message>
        <source>不小于 0</source>
        <translation>at least 0</translation>
    </message>
    <message>
        <source>“version”的值 %1 不是有效的版本（应为 %2）。</source>
        <translation>&quot;version&quot; %1 is not a valid version (it should be %2).</translation>
    </message>
    <message>
        <source>不认识的键“%1”：请检查拼写。</source>
        <translation>unknown key &quot;%1&quot;: check its spelling.</translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>无法保存“%1”：%2。%3</source>
        <translation>Cannot save &quot;%1&quot;: %2. %3</translation>
    </message>
    <message>
        <source>“%1”应为数字。</source>
        <translation>&quot;%1&quot; should be a number.</translation>
    </message>
    <message>
        <source>“%1”应为 true 或 false。</source>
        <translation>&quot;%1&quot; should be true or false.</translation>
    </message>
    <message>
        <source>“%1”应为 &quot;ball&quot; 或 &quot;pin&quot;。</source>
        <translation>&quot;%1&quot; should be &quot;ball&quot; or &quot;pin&quot;.</translation>
    </message>
    <message>
        <source>“record.drawing”应为文字。</source>
        <translation>&quot;record.drawing&quot; should be text.</translation>
    </message>
    <message>
        <source>1 到 11 的整数</source>
        <translation>a whole number from 1 to 11</translation>
    </message>
    <message>
        <source>“%1”应为文字。</source>
        <translation>&quot;%1&quot; should be text.</translation>
    </message>
    <message>
        <source>“%1”应为 &quot;left&quot; 或 &quot;right&quot;。</source>
        <translation>&quot;%1&quot; should be &quot;left&quot; or &quot;right&quot;.</translation>
    </message>
    <message>
        <source>0.001 到 10000</source>
        <translation>0.001 to 10000</translation>
    </message>
    <message>
        <source>0.00254 到 25400</source>
        <translation>0.00254 to 25400</translation>
    </message>
    <message>
        <source>不小于 3 的整数</source>
        <translation>a whole number of at least 3</translation>
    </message>
</context>
<context>
    <name>InspectionLog</name>
    <message>
        <source>无法写入检验记录“%1”：%2。%3</source>
        <translation>cannot write the inspection log &quot;%1&quot;: %2. %3</translation>
    </message>
    <message>
        <source>这个文件不是检验记录（第一行不是检验记录的表头），不能在其后追加</source>
        <translation>this file is not an inspection log (its first line is not the log&apos;s header); nothing is appended to it</translation>
    </message>
</context>
<context>
    <name>Pair</name>
    <message>
        <source>项目</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>齿轮 1</source>
        <translation>Gear 1</translation>
    </message>
    <message>
        <source>齿轮 2</source>
        <translation>Gear 2</translation>
    </message>
    <message>
        <source>齿数 z</source>
        <translation>Number of teeth z</translation>
    </message>
    <message>
        <source>变位系数 x（齿轮 2 由中心距求得）</source>
        <translation>Profile shift x (gear 2 solved for the centre distance)</translation>
    </message>
    <message>
        <source>变位系数 x</source>
        <translation>Profile shift x</translation>
    </message>
    <message>
        <source>分度圆直径 d</source>
        <translation>Reference diameter d</translation>
    </message>
    <message>
        <source>基圆直径 db</source>
        <translation>Base diameter db</translation>
    </message>
    <message>
        <source>齿顶圆直径 da</source>
        <translation>Tip diameter da</translation>
    </message>
    <message>
        <source>齿根圆直径 df</source>
        <translation>Root diameter df</translation>
    </message>
    <message>
        <source>节圆直径 dw</source>
        <translation>Working pitch diameter dw</translation>
    </message>
    <message>
        <source>齿厚上偏差 Esns</source>
        <translation>Upper thickness allowance Esns</translation>
    </message>
    <message>
        <source>齿厚下偏差 Esni</source>
        <translation>Lower thickness allowance Esni</translation>
    </message>
    <message>
        <source>法向齿厚 sn（上限）</source>
        <translation>Normal thickness sn (max)</translation>
    </message>
    <message>
        <source>法向齿厚 sn（下限）</source>
        <translation>Normal thickness sn (min)</translation>
    </message>
    <message>
        <source>齿顶间隙 c</source>
        <translation>Tip clearance c</translation>
    </message>
    <message>
        <source>公称</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>Least</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Greatest</translation>
    </message>
    <message>
        <source>变位系数和 Σx（齿厚偏差时 ΣxE）</source>
        <translation>Sum of shifts Σx (at the allowances ΣxE)</translation>
    </message>
    <message>
        <source>标准中心距 a</source>
        <translation>Reference centre distance a</translation>
    </message>
    <message>
        <source>无侧隙中心距 a0（公称齿厚）</source>
        <translation>Tight-mesh centre distance a0 (nominal thickness)</translation>
    </message>
    <message>
        <source>中心距 a</source>
        <translation>Centre distance a</translation>
    </message>
    <message>
        <source>中心距 a（= a0）</source>
        <translation>Centre distance a (= a0)</translation>
    </message>
    <message>
        <source>端面啮合角 αwt</source>
        <translation>Working transverse pressure angle αwt</translation>
    </message>
    <message>
        <source>圆周侧隙 jwt（节圆上）</source>
        <translation>Circumferential backlash jwt (working circle)</translation>
    </message>
    <message>
        <source>法向侧隙 jbn</source>
        <translation>Normal backlash jbn</translation>
    </message>
    <message>
        <source>推荐最小法向侧隙 jbn,min（ISO/TR 10064-2）</source>
        <translation>Recommended least normal backlash jbn,min (ISO/TR 10064-2)</translation>
    </message>
    <message>
        <source>端面重合度 εα</source>
        <translation>Transverse contact ratio εα</translation>
    </message>
    <message>
        <source>纵向重合度 εβ</source>
        <translation>Overlap ratio εβ</translation>
    </message>
    <message>
        <source>总重合度 εγ</source>
        <translation>Total contact ratio εγ</translation>
    </message>
    <message>
        <source>最小法向侧隙为 %1：齿厚上偏差与最小中心距下两齿轮会卡死。请减小齿厚上偏差或加大中心距。</source>
        <translation>The least normal backlash is %1: at the upper allowances and the smallest centre distance the gears jam. Lower the upper allowances or widen the centre distance.</translation>
    </message>
    <message>
        <source>最小法向侧隙 %1 小于 ISO/TR 10064-2 推荐的 %2。</source>
        <translation>The least normal backlash %1 is below the %2 ISO/TR 10064-2 recommends.</translation>
    </message>
    <message>
        <source>齿顶间隙小于 0.1·mn（%1）：请检查齿顶圆直径或考虑齿顶降低。</source>
        <translation>A tip clearance is below 0.1·mn (%1): check the tip diameters or shorten the tips.</translation>
    </message>
    <message>
        <source>重合度小于 1：啮合不连续。请检查中心距和齿顶圆直径。</source>
        <translation>The contact ratio is below 1: the mesh is not continuous. Check the centre distance and the tip diameters.</translation>
    </message>
    <message>
        <source>齿轮副：mn = %1</source>
        <translation>Gear pair: mn = %1</translation>
    </message>
    <message>
        <source>齿轮 %1：</source>
        <translation>Gear %1: </translation>
    </message>
</context>
<context>
    <name>PairFile</name>
    <message>
        <source>不是齿轮副文件（缺少 &quot;format&quot;: &quot;geardim-pair&quot;）。</source>
        <translation>Not a pair file (no &quot;format&quot;: &quot;geardim-pair&quot;).</translation>
    </message>
    <message>
        <source>“version”应为不小于 1 的数字。</source>
        <translation>&quot;version&quot; should be a number of at least 1.</translation>
    </message>
    <message>
        <source>文件来自较新的版本 %1，本程序只能读取版本 %2。</source>
        <translation>The file comes from the newer version %1; this program reads version %2.</translation>
    </message>
    <message>
        <source>未知的键“%1”。</source>
        <translation>unknown key &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>“pair”应为对象。</source>
        <translation>“pair” must be an object.</translation>
    </message>
    <message>
        <source>“%1”应为数字。</source>
        <translation>&quot;%1&quot; should be a number.</translation>
    </message>
    <message>
        <source>缺少“%1”：齿轮副文件须有两个齿轮。</source>
        <translation>“%1” is missing: a pair file holds both gears.</translation>
    </message>
    <message>
        <source>齿轮 %1 是内齿轮：齿轮副只计算两个外齿轮。</source>
        <translation>Gear %1 is internal: the gear pair takes two external gears only.</translation>
    </message>
    <message>
        <source>齿轮 %1 的模数、压力角或螺旋角与另一个齿轮不同，不能组成齿轮副。</source>
        <translation>Gear %1 has another module, pressure angle or helix angle than its mate: they do not make a pair.</translation>
    </message>
    <message>
        <source>齿轮 %1：</source>
        <translation>Gear %1: </translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>Cannot open &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>文件大于 1 MiB，不是齿轮副文件。</source>
        <translation>The file is larger than 1 MiB: not a pair file.</translation>
    </message>
    <message>
        <source>不是齿轮副文件。</source>
        <translation>Not a pair file.</translation>
    </message>
    <message>
        <source>无法保存“%1”：%2</source>
        <translation>Cannot save &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>无法保存“%1”：%2。%3</source>
        <translation>Cannot save &quot;%1&quot;: %2. %3</translation>
    </message>
</context>
<context>
    <name>PairInput</name>
    <message>
        <source>法向模数 mn</source>
        <translation>Normal module mn</translation>
    </message>
    <message>
        <source>径节 P</source>
        <translation>Diametral pitch P</translation>
    </message>
    <message>
        <source>法向压力角 αn (°)</source>
        <translation>Pressure angle αn (°)</translation>
    </message>
    <message>
        <source>螺旋角 β (°)</source>
        <translation>Helix angle β (°)</translation>
    </message>
    <message>
        <source>齿顶高系数 ha*</source>
        <translation>Addendum coeff. ha*</translation>
    </message>
    <message>
        <source>齿数 z</source>
        <translation>Number of teeth z</translation>
    </message>
    <message>
        <source>变位系数 x</source>
        <translation>Profile shift x</translation>
    </message>
    <message>
        <source>齿顶圆直径 da</source>
        <translation>Tip diameter da</translation>
    </message>
    <message>
        <source>齿厚上偏差 Esns</source>
        <translation>Upper thickness allowance Esns</translation>
    </message>
    <message>
        <source>齿厚下偏差 Esni</source>
        <translation>Lower thickness allowance Esni</translation>
    </message>
    <message>
        <source>中心距 a</source>
        <translation>Centre distance a</translation>
    </message>
    <message>
        <source>中心距上偏差</source>
        <translation>Centre distance upper deviation</translation>
    </message>
    <message>
        <source>中心距下偏差</source>
        <translation>Centre distance lower deviation</translation>
    </message>
    <message>
        <source>齿宽 b</source>
        <translation>Face width b</translation>
    </message>
</context>
<context>
    <name>PairOption</name>
    <message>
        <source>两齿轮共同的法向模数 mn (mm)</source>
        <translation>the normal module mn of both gears (mm)</translation>
    </message>
    <message>
        <source>法向径节 P (1/in)，代替 --module；长度单位为英寸</source>
        <translation>normal diametral pitch P (1/in) instead of --module; lengths in inches</translation>
    </message>
    <message>
        <source>法向压力角 αn (°)，默认 20</source>
        <translation>normal pressure angle αn (°), 20 by default</translation>
    </message>
    <message>
        <source>齿轮 1 的螺旋角 β (°)，默认 0；齿轮 2 旋向相反</source>
        <translation>gear 1&apos;s helix angle β (°), default 0; gear 2 has the opposite hand</translation>
    </message>
    <message>
        <source>齿顶高系数 ha*，默认 1</source>
        <translation>addendum coefficient ha*, 1 by default</translation>
    </message>
    <message>
        <source>齿轮 1 的齿数 z1</source>
        <translation>gear 1&apos;s number of teeth z1</translation>
    </message>
    <message>
        <source>齿轮 2 的齿数 z2</source>
        <translation>gear 2&apos;s number of teeth z2</translation>
    </message>
    <message>
        <source>齿轮 1 的变位系数 x1，默认 0</source>
        <translation>gear 1&apos;s profile shift x1, default 0</translation>
    </message>
    <message>
        <source>齿轮 2 的变位系数 x2；给了 --centre-distance 而不填时按无侧隙求出，否则默认 0</source>
        <translation>gear 2&apos;s profile shift x2; left out with --centre-distance it is solved for zero backlash, otherwise 0</translation>
    </message>
    <message>
        <source>齿轮 1 的齿顶圆直径 da1（代替 ha*）</source>
        <translation>gear 1&apos;s tip diameter da1 (instead of ha*)</translation>
    </message>
    <message>
        <source>齿轮 2 的齿顶圆直径 da2（代替 ha*）</source>
        <translation>gear 2&apos;s tip diameter da2 (instead of ha*)</translation>
    </message>
    <message>
        <source>齿轮 1 的齿厚上偏差 Esns1，默认 0</source>
        <translation>gear 1&apos;s upper thickness allowance Esns1, default 0</translation>
    </message>
    <message>
        <source>齿轮 2 的齿厚上偏差 Esns2，默认 0</source>
        <translation>gear 2&apos;s upper thickness allowance Esns2, default 0</translation>
    </message>
    <message>
        <source>齿轮 1 的齿厚下偏差 Esni1，默认 0</source>
        <translation>gear 1&apos;s lower thickness allowance Esni1, default 0</translation>
    </message>
    <message>
        <source>齿轮 2 的齿厚下偏差 Esni2，默认 0</source>
        <translation>gear 2&apos;s lower thickness allowance Esni2, default 0</translation>
    </message>
    <message>
        <source>中心距 a；不填则为公称齿厚下的无侧隙中心距</source>
        <translation>centre distance a; left out, the tight mesh at the nominal thicknesses</translation>
    </message>
    <message>
        <source>中心距的上偏差（长度），默认 0</source>
        <translation>the centre distance&apos;s upper deviation (a length), default 0</translation>
    </message>
    <message>
        <source>中心距的下偏差（长度），默认 0</source>
        <translation>the centre distance&apos;s lower deviation (a length), default 0</translation>
    </message>
    <message>
        <source>齿宽 b（纵向重合度 εβ 用）</source>
        <translation>face width b (for the overlap ratio εβ)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>无法写入“%1”：图片只能是 .png 或 .svg。</source>
        <translation>Cannot write &quot;%1&quot;: a picture is .png or .svg.</translation>
    </message>
    <message>
        <source>无法写入“%1”：PNG 编码失败。</source>
        <translation>Cannot write &quot;%1&quot;: PNG encoding failed.</translation>
    </message>
    <message>
        <source>无法写入“%1”：%2。</source>
        <translation>Cannot write &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>无法写入“%1”：%2。%3</source>
        <translation>Cannot write &quot;%1&quot;: %2. %3</translation>
    </message>
    <message>
        <source>无法写入“%1”：直方图只能是 .png。</source>
        <translation>Cannot write &quot;%1&quot;: the histogram can only be .png.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>打印测量尺寸表</source>
        <translation>Print the inspection sheet</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>径节 P = %1 1/in</source>
        <translation>diametral pitch P = %1 1/in</translation>
    </message>
    <message>
        <source>法向模数 mn = %1 mm</source>
        <translation>normal module mn = %1 mm</translation>
    </message>
    <message>
        <source>齿数 z = %1</source>
        <translation>number of teeth z = %1</translation>
    </message>
    <message>
        <source>法向压力角 αn = %1°</source>
        <translation>normal pressure angle αn = %1°</translation>
    </message>
    <message>
        <source>螺旋角 β = %1°</source>
        <translation>helix angle β = %1°</translation>
    </message>
    <message>
        <source>内齿轮</source>
        <translation>internal gear</translation>
    </message>
    <message>
        <source>外齿轮</source>
        <translation>external gear</translation>
    </message>
    <message>
        <source>法向齿厚 sn = %1 %2</source>
        <translation>normal tooth thickness sn = %1 %2</translation>
    </message>
    <message>
        <source>变位系数 x = %1</source>
        <translation>profile shift coefficient x = %1</translation>
    </message>
    <message>
        <source>齿顶圆直径 da = %1 %2</source>
        <translation>tip diameter da = %1 %2</translation>
    </message>
    <message>
        <source>齿顶高系数 ha* = %1</source>
        <translation>addendum coefficient ha* = %1</translation>
    </message>
    <message>
        <source>齿宽 b = %1 %2</source>
        <translation>face width b = %1 %2</translation>
    </message>
    <message>
        <source>齿轮：</source>
        <translation>Gear: </translation>
    </message>
    <message>
        <source>齿厚偏差（法向）：上偏差 Esns = %1 %3，下偏差 Esni = %2 %3</source>
        <translation>Tooth thickness allowances (normal): upper Esns = %1 %3, lower Esni = %2 %3</translation>
    </message>
    <message>
        <source>量具：%1，直径 D = %2 %3%4</source>
        <translation>Gauge: %1, diameter D = %2 %3%4</translation>
    </message>
    <message>
        <source>量球</source>
        <translation>balls</translation>
    </message>
    <message>
        <source>量棒</source>
        <translation>pins</translation>
    </message>
    <message>
        <source>（建议）</source>
        <translation> (proposed)</translation>
    </message>
    <message>
        <source>Velkor测量尺寸 — 测量尺寸表</source>
        <translation>Velkor Measuring Dimensions — Inspection Sheet</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>公称</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>上限</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>下限</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>注意：</source>
        <translation>Note: </translation>
    </message>
    <message>
        <source>日期：</source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>测量尺寸表</source>
        <translation>Inspection sheet</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>偏差</source>
        <translation>Deviations</translation>
    </message>
    <message>
        <source>无法导出“%1”：%2。</source>
        <translation>Cannot export &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>无法导出“%1”：%2。%3</source>
        <translation>Cannot export &quot;%1&quot;: %2. %3</translation>
    </message>
    <message>
        <source>实测 </source>
        <translation>Measured </translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>实际齿厚 sn = %1</source>
        <translation>actual thickness sn = %1</translation>
    </message>
    <message>
        <source>实际偏差 E = %1</source>
        <translation>actual allowance E = %1</translation>
    </message>
    <message>
        <source>x_E = %1</source>
        <translation>x_E = %1</translation>
    </message>
    <message>
        <source>图号：</source>
        <translation>Drawing: </translation>
    </message>
    <message>
        <source>零件编号：</source>
        <translation>Part: </translation>
    </message>
    <message>
        <source>量具编号：</source>
        <translation>Gauge: </translation>
    </message>
    <message>
        <source>检验员：%1    签字：______________________</source>
        <translation>Inspector: %1    Signature: ______________________</translation>
    </message>
    <message>
        <source>齿厚偏差按代号 %1 取自偏差表。</source>
        <translation>The allowances come from the allowance table by the code %1.</translation>
    </message>
    <message>
        <source>齿厚偏差按输入值，未用代号 %1。</source>
        <translation>The allowances are the typed ones; the code %1 is not used.</translation>
    </message>
    <message>
        <source>（按齿厚偏差代号 %1）</source>
        <translation> (by the allowance code %1)</translation>
    </message>
    <message>
        <source>（按输入值，未用代号 %1）</source>
        <translation> (as typed; the code %1 is not used)</translation>
    </message>
    <message>
        <source>精度等级：%1 级（%2）</source>
        <translation>Accuracy class: %1 (%2)</translation>
    </message>
    <message>
        <source>Velkor测量尺寸 — 花键</source>
        <translation>Velkor Measuring Dimensions — Spline</translation>
    </message>
    <message>
        <source>花键：</source>
        <translation>Spline: </translation>
    </message>
    <message>
        <source>花键长度 g = %1 mm</source>
        <translation>spline length g = %1 mm</translation>
    </message>
    <message>
        <source>偏差（输入）：上 %1 mm，下 %2 mm，λ = %3 mm</source>
        <translation>deviations (typed): upper %1 mm, lower %2 mm, λ = %3 mm</translation>
    </message>
    <message>
        <source>花键</source>
        <translation>Spline</translation>
    </message>
    <message>
        <source>上偏差按输入值，下偏差按代号 %1 取自偏差表。</source>
        <translation>Upper allowance as typed; lower allowance from the allowance table by code %1.</translation>
    </message>
    <message>
        <source>下偏差按输入值，上偏差按代号 %1 取自偏差表。</source>
        <translation>Lower allowance as typed; upper allowance from the allowance table by code %1.</translation>
    </message>
    <message>
        <source>无法导出“%1”：PDF 的文件名须以 .pdf 结尾。</source>
        <translation>Cannot export &quot;%1&quot;: a PDF&apos;s file name must end in .pdf.</translation>
    </message>
    <message>
        <source>【不合格】</source>
        <translation>[FAIL] </translation>
    </message>
    <message>
        <source>Velkor测量尺寸 — 齿轮副</source>
        <translation>Velkor inspection dimensions — gear pair</translation>
    </message>
    <message>
        <source>齿轮副</source>
        <translation>Gear pair</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>这是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>这不是普通文件（而是设备、FIFO 或套接字），不能覆盖</source>
        <translation>it is not a regular file (but a device, a FIFO or a socket) and is not replaced</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>这不是普通文件（而是设备、FIFO 或套接字），不能读取</source>
        <translation>it is not a regular file (but a device, a FIFO or a socket) and is not read</translation>
    </message>
    <message>
        <source>原有文件未改动。</source>
        <translation>The old file is unchanged.</translation>
    </message>
    <message>
        <source>这是一个循环的符号链接，不指向任何文件</source>
        <translation>this is a symbolic link in a loop, which leads to no file</translation>
    </message>
    <message>
        <source>这是一个悬空的符号链接：它指向的文件不存在</source>
        <translation>this is a dangling symbolic link: the file it points to does not exist</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>分度圆直径 d</source>
        <translation>Reference diameter d</translation>
    </message>
    <message>
        <source>基圆直径 db</source>
        <translation>Base diameter db</translation>
    </message>
    <message>
        <source>齿顶圆直径 da</source>
        <translation>Tip diameter da</translation>
    </message>
    <message>
        <source>变位系数 x</source>
        <translation>Profile shift coefficient x</translation>
    </message>
    <message>
        <source>法向齿厚 sn</source>
        <translation>Normal tooth thickness sn</translation>
    </message>
    <message>
        <source>分度圆弦齿厚</source>
        <translation>Chordal thickness</translation>
    </message>
    <message>
        <source>弦齿高</source>
        <translation>Chordal height</translation>
    </message>
    <message>
        <source>固定弦齿厚</source>
        <translation>Constant chord</translation>
    </message>
    <message>
        <source>固定弦齿高</source>
        <translation>Constant chord height</translation>
    </message>
    <message>
        <source>跨测齿数 k</source>
        <translation>Span count k</translation>
    </message>
    <message>
        <source>公法线长度 W</source>
        <translation>Base tangent length W</translation>
    </message>
    <message>
        <source>公法线接触圆直径</source>
        <translation>Span contact diameter</translation>
    </message>
    <message>
        <source>量球直径 D（建议）</source>
        <translation>Ball diameter D (proposed)</translation>
    </message>
    <message>
        <source>量球直径 D</source>
        <translation>Ball diameter D</translation>
    </message>
    <message>
        <source>量棒直径 D（建议）</source>
        <translation>Pin diameter D (proposed)</translation>
    </message>
    <message>
        <source>量棒直径 D</source>
        <translation>Pin diameter D</translation>
    </message>
    <message>
        <source>球间距 M</source>
        <translation>Dimension between balls M</translation>
    </message>
    <message>
        <source>棒间距 M</source>
        <translation>Dimension between pins M</translation>
    </message>
    <message>
        <source>跨球距 M</source>
        <translation>Dimension over balls M</translation>
    </message>
    <message>
        <source>跨棒距 M</source>
        <translation>Dimension over pins M</translation>
    </message>
    <message>
        <source>单球径向尺寸</source>
        <translation>Radial dimension over one ball</translation>
    </message>
    <message>
        <source>单棒径向尺寸</source>
        <translation>Radial dimension over one pin</translation>
    </message>
    <message>
        <source>量球接触圆直径</source>
        <translation>Ball contact diameter</translation>
    </message>
    <message>
        <source>量棒接触圆直径</source>
        <translation>Pin contact diameter</translation>
    </message>
    <message>
        <source>齿顶厚 sa</source>
        <translation>Tip thickness sa</translation>
    </message>
    <message>
        <source>公法线长度 W（k = %1）</source>
        <translation>W over k = %1</translation>
    </message>
    <message>
        <source>单个齿距公差 fpT</source>
        <translation>Single pitch tolerance fpT</translation>
    </message>
    <message>
        <source>齿距累积总公差 FpT</source>
        <translation>Cumulative pitch tolerance FpT</translation>
    </message>
    <message>
        <source>齿廓倾斜公差 fHαT</source>
        <translation>Profile slope tolerance fHαT</translation>
    </message>
    <message>
        <source>齿廓形状公差 ffαT</source>
        <translation>Profile form tolerance ffαT</translation>
    </message>
    <message>
        <source>齿廓总公差 FαT</source>
        <translation>Total profile tolerance FαT</translation>
    </message>
    <message>
        <source>螺旋线倾斜公差 fHβT</source>
        <translation>Helix slope tolerance fHβT</translation>
    </message>
    <message>
        <source>螺旋线形状公差 ffβT</source>
        <translation>Helix form tolerance ffβT</translation>
    </message>
    <message>
        <source>螺旋线总公差 FβT</source>
        <translation>Total helix tolerance FβT</translation>
    </message>
    <message>
        <source>径向跳动公差 FrT</source>
        <translation>Runout tolerance FrT</translation>
    </message>
    <message>
        <source>（= %1 × 0.0001 in）</source>
        <translation> (= %1 × 0.0001 in)</translation>
    </message>
    <message>
        <source>双啮中心距 a″</source>
        <translation>Double-flank centre distance a″</translation>
    </message>
</context>
<context>
    <name>SheetInput</name>
    <message>
        <source>法向模数 mn (mm)</source>
        <translation>Normal module mn (mm)</translation>
    </message>
    <message>
        <source>径节 P (1/in)</source>
        <translation>Diametral pitch P (1/in)</translation>
    </message>
    <message>
        <source>或填径节</source>
        <translation>or the pitch</translation>
    </message>
    <message>
        <source>齿数 z</source>
        <translation>Number of teeth z</translation>
    </message>
    <message>
        <source>法向压力角 αn (°)</source>
        <translation>Pressure angle αn (°)</translation>
    </message>
    <message>
        <source>螺旋角 β (°)</source>
        <translation>Helix angle β (°)</translation>
    </message>
    <message>
        <source>变位系数 x</source>
        <translation>Profile shift x</translation>
    </message>
    <message>
        <source>或填齿厚</source>
        <translation>or the thickness</translation>
    </message>
    <message>
        <source>法向齿厚 sn</source>
        <translation>Tooth thickness sn</translation>
    </message>
    <message>
        <source>或填变位系数</source>
        <translation>or the shift</translation>
    </message>
    <message>
        <source>齿顶高系数 ha*</source>
        <translation>Addendum coeff. ha*</translation>
    </message>
    <message>
        <source>齿顶圆直径 da</source>
        <translation>Tip diameter da</translation>
    </message>
    <message>
        <source>按 ha* 计算</source>
        <translation>from ha*</translation>
    </message>
    <message>
        <source>上偏差 Esns</source>
        <translation>Upper Esns</translation>
    </message>
    <message>
        <source>下偏差 Esni</source>
        <translation>Lower Esni</translation>
    </message>
    <message>
        <source>直径 D</source>
        <translation>Diameter D</translation>
    </message>
    <message>
        <source>不填则建议</source>
        <translation>empty: proposed</translation>
    </message>
    <message>
        <source>齿宽 b</source>
        <translation>Face width b</translation>
    </message>
    <message>
        <source>可不填</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>跨测齿数 k</source>
        <translation>Span count k</translation>
    </message>
    <message>
        <source>不填则自动选择</source>
        <translation>empty: chosen</translation>
    </message>
    <message>
        <source>精度等级</source>
        <translation>Accuracy class</translation>
    </message>
    <message>
        <source>ISO 1328-1，1 到 11</source>
        <translation>ISO 1328-1, 1 to 11</translation>
    </message>
    <message>
        <source>齿厚偏差代号</source>
        <translation>Allowance code</translation>
    </message>
    <message>
        <source>按齿厚偏差表</source>
        <translation>from the table</translation>
    </message>
    <message>
        <source>配对齿轮图号</source>
        <translation>Mating gear drawing</translation>
    </message>
    <message>
        <source>样板齿轮齿数 z3</source>
        <translation>Master gear teeth z3</translation>
    </message>
    <message>
        <source>双啮检查用，可不填</source>
        <translation>double-flank test, optional</translation>
    </message>
    <message>
        <source>样板齿轮变位系数 x3</source>
        <translation>Master gear shift x3</translation>
    </message>
    <message>
        <source>默认 0</source>
        <translation>default 0</translation>
    </message>
</context>
<context>
    <name>SheetOption</name>
    <message>
        <source>法向模数 mn (mm)</source>
        <translation>normal module mn (mm)</translation>
    </message>
    <message>
        <source>法向径节 P (1/in)；长度单位为英寸</source>
        <translation>normal diametral pitch P (1/in); lengths in inches</translation>
    </message>
    <message>
        <source>齿数 z</source>
        <translation>number of teeth z</translation>
    </message>
    <message>
        <source>法向压力角 αn (°)，默认 20</source>
        <translation>normal pressure angle αn (°), 20 by default</translation>
    </message>
    <message>
        <source>螺旋角 β (°)，默认 0</source>
        <translation>helix angle β (°), 0 by default</translation>
    </message>
    <message>
        <source>变位系数 x，默认 0</source>
        <translation>profile shift coefficient x, 0 by default</translation>
    </message>
    <message>
        <source>分度圆法向齿厚 sn（代替 x）</source>
        <translation>normal tooth thickness sn on the reference circle (instead of x)</translation>
    </message>
    <message>
        <source>内齿轮（默认外齿轮）</source>
        <translation>internal gear (external by default)</translation>
    </message>
    <message>
        <source>齿顶高系数 ha*，默认 1</source>
        <translation>addendum coefficient ha*, 1 by default</translation>
    </message>
    <message>
        <source>齿顶圆直径 da（代替 ha*）</source>
        <translation>tip diameter da (instead of ha*)</translation>
    </message>
    <message>
        <source>齿厚上偏差 Esns，默认 0</source>
        <translation>upper tooth thickness allowance Esns, 0 by default</translation>
    </message>
    <message>
        <source>齿厚下偏差 Esni，默认 0</source>
        <translation>lower tooth thickness allowance Esni, 0 by default</translation>
    </message>
    <message>
        <source>量具：ball（量球，默认）或 pin（量棒）</source>
        <translation>gauge: ball (default) or pin</translation>
    </message>
    <message>
        <source>量棒（球）直径 D；不填则建议</source>
        <translation>ball or pin diameter D; proposed when not given</translation>
    </message>
    <message>
        <source>齿宽 b（用于检查）</source>
        <translation>face width b (for the checks)</translation>
    </message>
    <message>
        <source>跨测齿数 k；不填则由程序选择</source>
        <translation>span count k; the program chooses when not given</translation>
    </message>
    <message>
        <source>实测跨棒（球）距 M，评定是否合格</source>
        <translation>measured dimension over pins (balls) M, judged against the allowances</translation>
    </message>
    <message>
        <source>实测公法线长度 W（跨 k 齿），评定是否合格</source>
        <translation>measured base tangent length W (over k teeth), judged against the allowances</translation>
    </message>
    <message>
        <source>实测分度圆弦齿厚（在公称弦齿高处），评定是否合格</source>
        <translation>measured chordal thickness (at the nominal chordal height), judged against the allowances</translation>
    </message>
    <message>
        <source>实测固定弦齿厚，评定是否合格</source>
        <translation>measured constant chord, judged against the allowances</translation>
    </message>
    <message>
        <source>齿面精度等级 A（ISO 1328-1:2013，1 到 11；需要 --face-width）</source>
        <translation>flank tolerance class A (ISO 1328-1:2013, 1 to 11; needs --face-width)</translation>
    </message>
    <message>
        <source>齿厚偏差代号：由 --allowance-table 的表按 d 给出未填写的 Esns、Esni</source>
        <translation>allowance code: the --allowance-table gives Esns and Esni not typed, by d</translation>
    </message>
    <message>
        <source>旋向：left（左旋）或 right（右旋），只用于齿轮参数表</source>
        <translation>hand: left or right, for the gear data table only</translation>
    </message>
    <message>
        <source>配对齿轮的图号，只用于齿轮参数表</source>
        <translation>the mating gear&apos;s drawing number, for the gear data table only</translation>
    </message>
    <message>
        <source>双啮检查的样板齿轮齿数 z3（模数、压力角、螺旋角与被测齿轮相同）</source>
        <translation>the master gear&apos;s teeth z3 for the double-flank test (module, pressure and helix angle as the gear&apos;s)</translation>
    </message>
    <message>
        <source>样板齿轮的变位系数 x3，默认 0</source>
        <translation>the master gear&apos;s profile shift x3, default 0</translation>
    </message>
    <message>
        <source>双啮检查实测的中心距 a″（需要 --master-teeth），评定是否合格</source>
        <translation>the centre distance a″ measured in the double-flank test (needs --master-teeth), judged</translation>
    </message>
</context>
<context>
    <name>SheetWarning</name>
    <message>
        <source>公法线量具的测量面在齿顶圆之外接触齿面，不在渐开线上：请减少跨测齿数k或改用量棒（球）。</source>
        <translation>The span anvils touch the flanks beyond the tip circle, off the involute: span fewer teeth or measure over pins (balls).</translation>
    </message>
    <message>
        <source>公法线长度不大于0，量具测量面不在渐开线上接触：该齿轮不宜测量公法线。</source>
        <translation>The base tangent length is not greater than 0; the anvils do not touch the involute: this gear is not measured over a span.</translation>
    </message>
    <message>
        <source>齿宽b小于公法线测量所需的宽度（W·sin βb 加 2 mm / 0.08 in）：量具测量面放不下，请改用量棒（球）。</source>
        <translation>The face width b is less than the span measurement needs (W·sin βb plus 2 mm / 0.08 in): the anvils do not fit; measure over pins (balls).</translation>
    </message>
    <message>
        <source>按这些数据跨测齿数将不少于齿数，无法测量公法线：请检查变位系数x（或齿厚）和齿数z。</source>
        <translation>For these data the span would cover every tooth or more, so no span can be measured: check the profile shift coefficient x (or the thickness) and the number of teeth z.</translation>
    </message>
    <message>
        <source>量棒（球）在齿顶圆之外接触齿面，不在渐开线上：请选用较小的量棒（球）直径。</source>
        <translation>The pin (ball) touches the flanks beyond the tip circle, off the involute: choose a smaller diameter.</translation>
    </message>
    <message>
        <source>量棒（球）在基圆之内接触齿面，不在渐开线上：请选用较大的量棒（球）直径。</source>
        <translation>The pin (ball) touches the flanks inside the base circle, off the involute: choose a larger diameter.</translation>
    </message>
    <message>
        <source>量棒（球）没有露出齿顶，千分尺无法测到：请选用较大的量棒（球）直径。</source>
        <translation>The pin (ball) does not stand out of the tooth spaces, so a micrometer cannot reach it: choose a larger diameter.</translation>
    </message>
    <message>
        <source>奇数齿斜齿轮用量棒测量时两棒相距半个轴向齿距，齿宽b不够（需 b ≥ π·mn / (2·sin β)）：请改用量球。</source>
        <translation>On a helical gear with an odd number of teeth two pins stand half an axial pitch apart and the face width b is too small (b ≥ π·mn / (2·sin β) is needed): measure over balls.</translation>
    </message>
    <message>
        <source>齿顶变尖：齿厚在齿顶圆之内已减为零，齿顶圆上没有齿厚。请减小变位系数x或齿顶圆直径da。</source>
        <translation>The teeth are pointed below the tip circle: the tooth thickness reaches zero inside the tip circle. Reduce the profile shift x or the tip diameter da.</translation>
    </message>
    <message>
        <source>齿顶厚 sa 小于 0.2·mn，齿顶过薄。请检查变位系数x和齿顶圆直径da。</source>
        <translation>The tip thickness sa is below 0.2·mn: the tip is too thin. Check the profile shift x and the tip diameter da.</translation>
    </message>
    <message>
        <source>齿根发生根切：变位系数x小于不根切的最小变位系数 %1。</source>
        <translation>The teeth are undercut: the profile shift x is below the least shift without undercut, %1.</translation>
    </message>
    <message>
        <source>弦齿高不大于0：弦在齿顶圆上或齿顶圆之外，齿厚游标卡尺无法测量，该行不给出数值。</source>
        <translation>A chordal height is not above 0: the chord lies on or beyond the tip circle, where a gear tooth caliper cannot measure; that row gives no value.</translation>
    </message>
    <message>
        <source>齿厚上、下偏差相等（未给公差）：上、下限即公称值，实测值不作判定。</source>
        <translation>The upper and lower tooth-thickness allowances are equal (no tolerance given): the limits are the nominal values, and measured values are not judged.</translation>
    </message>
</context>
<context>
    <name>Spline</name>
    <message>
        <source>花键至少要有 6 个齿。</source>
        <translation>A spline needs at least 6 teeth.</translation>
    </message>
    <message>
        <source>量棒直径须为正数。</source>
        <translation>The pin diameter must be positive.</translation>
    </message>
    <message>
        <source>花键长度 g 须为正数。</source>
        <translation>The spline length g must be positive.</translation>
    </message>
    <message>
        <source>参考直径 dB 太小，容不下这些齿：请检查标记。</source>
        <translation>The reference diameter dB is too small for these teeth: check the designation.</translation>
    </message>
    <message>
        <source>上偏差小于下偏差，或齿厚（齿槽宽）的下限不为正。</source>
        <translation>The upper deviation lies below the lower one, or the lower limit of the tooth thickness (space width) is not positive.</translation>
    </message>
    <message>
        <source>配合 f、e、d 的基本偏差只列到直径 500 mm（ISO 286）。</source>
        <translation>The fundamental deviations of the fits f, e and d go up to a diameter of 500 mm (ISO 286).</translation>
    </message>
    <message>
        <source>花键标记不完整，例如 INT 25z × 1m × 30P × 5H ISO 4156 或 DIN 5480 - W 50 x 2 x 24 x 8f。</source>
        <translation>The spline designation is incomplete; for example INT 25z × 1m × 30P × 5H ISO 4156 or DIN 5480 - W 50 x 2 x 24 x 8f.</translation>
    </message>
    <message>
        <source>无法识别花键标记中的“%1”。</source>
        <translation>Cannot read &apos;%1&apos; in the spline designation.</translation>
    </message>
    <message>
        <source>量棒在直径 %1 处接触，不在齿面的渐开线段上：请换一个量棒直径。</source>
        <translation>The pin touches at diameter %1, off the involute part of the flank: choose another pin diameter.</translation>
    </message>
    <message>
        <source>未给花键长度 g：综合公差 λ 按 g = D = %1 mm 计算。</source>
        <translation>No spline length g given: the effective variation λ is for g = D = %1 mm.</translation>
    </message>
    <message>
        <source>内花键</source>
        <translation>Internal spline</translation>
    </message>
    <message>
        <source>外花键</source>
        <translation>External spline</translation>
    </message>
    <message>
        <source>分度圆直径 D</source>
        <translation>Pitch diameter D</translation>
    </message>
    <message>
        <source>基圆直径 Db</source>
        <translation>Base diameter Db</translation>
    </message>
    <message>
        <source>周节 p</source>
        <translation>Circular pitch p</translation>
    </message>
    <message>
        <source>大径</source>
        <translation>Major diameter</translation>
    </message>
    <message>
        <source>小径</source>
        <translation>Minor diameter</translation>
    </message>
    <message>
        <source>变位系数 x</source>
        <translation>Profile shift x</translation>
    </message>
    <message>
        <source>总公差 T+λ</source>
        <translation>Total tolerance T+λ</translation>
    </message>
    <message>
        <source>综合公差 λ</source>
        <translation>Effective variation λ</translation>
    </message>
    <message>
        <source>齿槽宽 E</source>
        <translation>Space width E</translation>
    </message>
    <message>
        <source>齿厚 S</source>
        <translation>Tooth thickness S</translation>
    </message>
    <message>
        <source>量棒直径 DR</source>
        <translation>Pin diameter DR</translation>
    </message>
    <message>
        <source>量棒接触圆直径</source>
        <translation>Pin contact diameter</translation>
    </message>
    <message>
        <source>棒间距 M</source>
        <translation>Between pins M</translation>
    </message>
    <message>
        <source>跨棒距 M</source>
        <translation>Over pins M</translation>
    </message>
    <message>
        <source>公法线长度 W（k = %1）</source>
        <translation>Base tangent length W (k = %1)</translation>
    </message>
    <message>
        <source>建议量棒直径</source>
        <translation>Proposed pin diameter</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>公称</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>实际最大</source>
        <translation>Actual max</translation>
    </message>
    <message>
        <source>实际最小</source>
        <translation>Actual min</translation>
    </message>
    <message>
        <source>作用最大</source>
        <translation>Effective max</translation>
    </message>
    <message>
        <source>作用最小</source>
        <translation>Effective min</translation>
    </message>
    <message>
        <source>实测值不可能出自这对量棒：量棒中心落在基圆以内，请检查实测值和量棒直径。</source>
        <translation>The measured value cannot come from these pins: their centres would lie inside the base circle; check the measured value and the pin diameter.</translation>
    </message>
    <message>
        <source>实测棒间距 M = %1</source>
        <translation>Measured between pins M = %1</translation>
    </message>
    <message>
        <source>实测跨棒距 M = %1</source>
        <translation>Measured over pins M = %1</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>实际齿槽宽 E = %1</source>
        <translation>Actual space width E = %1</translation>
    </message>
    <message>
        <source>实际齿厚 S = %1</source>
        <translation>Actual tooth thickness S = %1</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>齿厚偏差表中没有这个公差代号在参考直径 dB 处的行。</source>
        <translation>The allowance table has no row for this tolerance at the reference diameter dB.</translation>
    </message>
    <message>
        <source>渐开线起始圆直径 DF</source>
        <translation>Form diameter DF</translation>
    </message>
    <message>
        <source>花键标记中的模数 m 须在 0.001 到 10000 mm 之间。</source>
        <translation>The module m in the designation must lie between 0.001 and 10000 mm.</translation>
    </message>
    <message>
        <source>参考直径 dB 与 m·z 不相配：变位系数超出 −1 到 1，请检查标记。</source>
        <translation>The reference diameter dB does not suit m·z: the profile shift lies outside −1 to 1. Check the designation.</translation>
    </message>
    <message>
        <source>综合公差 λ 不能为负数。</source>
        <translation>The effective variation λ cannot be negative.</translation>
    </message>
    <message>
        <source>输入的数值超出可计算的范围，结果不是有限数：请检查花键标记、偏差和实测值。</source>
        <translation>The values given are beyond what can be computed; a result is not a finite number. Check the designation, the deviations and the measured value.</translation>
    </message>
    <message>
        <source>直径 %1 的量棒不能同时接触齿槽两侧的齿面，没有跨棒距（棒间距）：请换一个量棒直径。其余尺寸照常给出。</source>
        <translation>A pin of diameter %1 cannot touch both flanks of a space: there is no dimension over (between) pins. Choose another pin diameter. The other dimensions are given as usual.</translation>
    </message>
    <message>
        <source>标记中的公差 %1 没有偏差（未输入，也未选齿厚偏差表）：只给出公称尺寸，实测值不作判定。</source>
        <translation>The designation&apos;s tolerance %1 has no deviations (none typed, no allowance table chosen): only nominal sizes are given, and a measured value is not judged.</translation>
    </message>
    <message>
        <source>综合公差 λ 大于总公差 T+λ：实际尺寸的上、下限颠倒，请检查花键长度 g。</source>
        <translation>The effective variation λ exceeds the total tolerance T+λ: the actual limits cross. Check the spline length g.</translation>
    </message>
    <message>
        <source>%1 和 %2 要一起给出。</source>
        <translation>%1 and %2 go together.</translation>
    </message>
    <message>
        <source>上偏差和下偏差要一起给出。</source>
        <translation>The upper and lower deviations go together.</translation>
    </message>
</context>
<context>
    <name>SplineFile</name>
    <message>
        <source>不是花键文件（缺少 &quot;format&quot;: &quot;geardim-spline&quot;）。</source>
        <translation>not a spline file (no &quot;format&quot;: &quot;geardim-spline&quot;).</translation>
    </message>
    <message>
        <source>“version”应为不小于 1 的数字。</source>
        <translation>&quot;version&quot; should be a number of at least 1.</translation>
    </message>
    <message>
        <source>文件来自较新的版本 %1，本程序只能读取版本 %2。</source>
        <translation>the file is from the newer version %1; this program reads version %2.</translation>
    </message>
    <message>
        <source>“designation”应为文字。</source>
        <translation>&quot;designation&quot; should be text.</translation>
    </message>
    <message>
        <source>“%1”应为数字。</source>
        <translation>&quot;%1&quot; should be a number.</translation>
    </message>
    <message>
        <source>未知的键“%1”。</source>
        <translation>unknown key &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>Cannot open &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>文件大于 1 MiB，不是花键文件。</source>
        <translation>the file is larger than 1 MiB; it is not a spline file.</translation>
    </message>
    <message>
        <source>不是花键文件。</source>
        <translation>not a spline file.</translation>
    </message>
    <message>
        <source>无法保存“%1”：%2</source>
        <translation>Cannot save &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>无法保存“%1”：%2。%3</source>
        <translation>Cannot save &quot;%1&quot;: %2. %3</translation>
    </message>
</context>
<context>
    <name>SplineWindow</name>
    <message>
        <source>量棒直径 DR</source>
        <translation>Pin diameter DR</translation>
    </message>
    <message>
        <source>建议值</source>
        <translation>proposed</translation>
    </message>
    <message>
        <source>花键长度 g</source>
        <translation>Spline length g</translation>
    </message>
    <message>
        <source>上偏差</source>
        <translation>Upper deviation</translation>
    </message>
    <message>
        <source>仅 DIN 5480</source>
        <translation>DIN 5480 only</translation>
    </message>
    <message>
        <source>下偏差</source>
        <translation>Lower deviation</translation>
    </message>
    <message>
        <source>综合公差 λ</source>
        <translation>Effective variation λ</translation>
    </message>
    <message>
        <source>实测 M</source>
        <translation>Measured M</translation>
    </message>
    <message>
        <source>实测的跨棒距或棒间距</source>
        <translation>measured over or between pins</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>实测汇总（实际齿厚偏差 E）：</source>
        <translation>Measured summary (actual allowance E):</translation>
    </message>
    <message>
        <source>%1：n = %2，合格 %3，不合格 %4，平均 %5，最小 %6，最大 %7，s = %8，Cp = %9，Cpk = %10</source>
        <translation>%1: n = %2, pass %3, fail %4, mean %5, min %6, max %7, s = %8, Cp = %9, Cpk = %10</translation>
    </message>
    <message>
        <source>跨棒（球）距 M</source>
        <translation>Dimension over pins (balls) M</translation>
    </message>
    <message>
        <source>公法线长度 W</source>
        <translation>Base tangent length W</translation>
    </message>
    <message>
        <source>分度圆弦齿厚</source>
        <translation>Chordal thickness</translation>
    </message>
    <message>
        <source>固定弦齿厚</source>
        <translation>Constant chord</translation>
    </message>
    <message>
        <source>双啮中心距 a″</source>
        <translation>Double-flank centre distance a″</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>合格</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>偏厚</source>
        <translation>thick</translation>
    </message>
    <message>
        <source>偏薄</source>
        <translation>thin</translation>
    </message>
    <message>
        <source>未判定</source>
        <translation>not judged</translation>
    </message>
    <message>
        <source>结论：合格</source>
        <translation>Result: pass</translation>
    </message>
    <message>
        <source>结论：不合格</source>
        <translation>Result: fail</translation>
    </message>
    <message>
        <source>结论：未判定</source>
        <translation>Result: not judged</translation>
    </message>
</context>
<context>
    <name>geardim::Formz</name>
    <message>
        <source>分度圆弧齿厚s:</source>
        <translation>Arc thickness s:</translation>
    </message>
    <message>
        <source>分度圆弦齿厚s:</source>
        <translation>Chordal thick. s:</translation>
    </message>
    <message>
        <source>请输入齿轮齿根圆直径:</source>
        <translation>Enter the root diameter of the gear:</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>齿根圆直径</source>
        <translation>Root diameter</translation>
    </message>
    <message>
        <source>量棒(球)可用</source>
        <translation>Pin (ball) fits</translation>
    </message>
    <message>
        <source>量棒(球)不可用</source>
        <translation>Pin (ball) unusable</translation>
    </message>
    <message>
        <source>测量尺寸表按量棒计算 M = %1：奇数齿斜齿轮的两根量棒不在同一直径上。本窗口的 M 按量球的算法。</source>
        <translation>The inspection sheet gives M = %1 over pins: on an odd helical gear the two pins do not stand on one diameter. This window&apos;s M follows the ball arithmetic.</translation>
    </message>
    <message>
        <source>测量尺寸表取最接近的跨测齿数 k = %1（W = %2）。本窗口的 k 按它自己的跨测齿数公式。</source>
        <translation>The inspection sheet takes the nearest span count k = %1 (W = %2). This window&apos;s k follows its own span formula.</translation>
    </message>
</context>
<context>
    <name>geardim::InspectionSheet</name>
    <message>
        <source>齿轮文件 (*.gear);;所有文件 (*)</source>
        <translation>Gear files (*.gear);;All files (*)</translation>
    </message>
    <message>
        <source>测量尺寸表</source>
        <translation>Inspection sheet</translation>
    </message>
    <message>
        <source>公称</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>上限</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>下限</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>尺寸表</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>测量图</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>最近打开的文件</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>导出PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>复制表格</source>
        <translation>Copy Table</translation>
    </message>
    <message>
        <source>未命名</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>%1[*] - 测量尺寸表</source>
        <translation>%1[*] - Inspection Sheet</translation>
    </message>
    <message>
        <source>打开齿轮文件</source>
        <translation>Open Gear File</translation>
    </message>
    <message>
        <source>齿轮.gear</source>
        <translation>gear.gear</translation>
    </message>
    <message>
        <source>保存齿轮文件</source>
        <translation>Save Gear File</translation>
    </message>
    <message>
        <source>没有结果：</source>
        <translation>No result: </translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>注意：</source>
        <translation>Note: </translation>
    </message>
    <message>
        <source>语言将在程序下次启动时更改。</source>
        <translation>The language changes when the program starts again.</translation>
    </message>
    <message>
        <source>偏差</source>
        <translation>Deviations</translation>
    </message>
    <message>
        <source>没有可输出的测量尺寸表：%1</source>
        <translation>There is no inspection sheet to put out: %1</translation>
    </message>
    <message>
        <source>表格不是当前输入的结果，不能复制：%1</source>
        <translation>The table is not the sheet of the inputs as they stand, so it is not copied: %1</translation>
    </message>
    <message>
        <source>没有保存：%1</source>
        <translation>Nothing was saved: %1</translation>
    </message>
    <message>
        <source>测量尺寸表已送往打印机。</source>
        <translation>The inspection sheet has gone to the printer.</translation>
    </message>
    <message>
        <source>实测</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>评定</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>图号</source>
        <translation>Drawing number</translation>
    </message>
    <message>
        <source>零件编号</source>
        <translation>Part number</translation>
    </message>
    <message>
        <source>检验员</source>
        <translation>Inspector</translation>
    </message>
    <message>
        <source>量具编号</source>
        <translation>Gauge number</translation>
    </message>
    <message>
        <source>记录 (Ctrl+R)</source>
        <translation>Record (Ctrl+R)</translation>
    </message>
    <message>
        <source>记录</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>在此填写实测值，按 Enter 评定</source>
        <translation>Type the measured value here; Enter judges it</translation>
    </message>
    <message>
        <source>实测值</source>
        <translation>Measured value</translation>
    </message>
    <message>
        <source>无法评定</source>
        <translation>Cannot judge</translation>
    </message>
    <message>
        <source>实际齿厚 sn = %1，x_E = %2</source>
        <translation>actual thickness sn = %1, x_E = %2</translation>
    </message>
    <message>
        <source>没有实测值可记录：请在尺寸表的“实测”列填写实测值。</source>
        <translation>No measured value to record: type the measured values in the table&apos;s Measured column.</translation>
    </message>
    <message>
        <source>检验记录日志</source>
        <translation>Inspection Log</translation>
    </message>
    <message>
        <source>检验记录.csv</source>
        <translation>inspections.csv</translation>
    </message>
    <message>
        <source>已记录到“%1”。</source>
        <translation>Recorded in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>图纸与记录</source>
        <translation>Drawing &amp;&amp; record</translation>
    </message>
    <message>
        <source>导出齿轮参数表…</source>
        <translation>Export Gear Data Table…</translation>
    </message>
    <message>
        <source>设置(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>齿厚偏差表…</source>
        <translation>Allowance Table…</translation>
    </message>
    <message>
        <source>齿厚偏差表：%1（%2 行）</source>
        <translation>Allowance table: %1 (%2 rows)</translation>
    </message>
    <message>
        <source>导出齿轮参数表</source>
        <translation>Export Gear Data Table</translation>
    </message>
    <message>
        <source>DXF (*.dxf);;SVG (*.svg);;CSV (*.csv)</source>
        <translation>DXF (*.dxf);;SVG (*.svg);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>齿轮参数表.dxf</source>
        <translation>gear-data.dxf</translation>
    </message>
    <message>
        <source>实际齿厚偏差</source>
        <translation>Actual E</translation>
    </message>
</context>
<context>
    <name>geardim::MeasurementView</name>
    <message>
        <source>按“计  算”后显示测量图</source>
        <translation>Press &quot;Compute&quot; to see the picture</translation>
    </message>
</context>
<context>
    <name>geardim::PairWindow</name>
    <message>
        <source>齿轮副</source>
        <translation>Gear pair</translation>
    </message>
    <message>
        <source>由中心距求出</source>
        <translation>from the centre distance</translation>
    </message>
    <message>
        <source>无侧隙中心距</source>
        <translation>tight mesh</translation>
    </message>
    <message>
        <source>由 ha* 求出</source>
        <translation>from ha*</translation>
    </message>
    <message>
        <source>齿轮 1</source>
        <translation>Gear 1</translation>
    </message>
    <message>
        <source>齿轮 2</source>
        <translation>Gear 2</translation>
    </message>
    <message>
        <source>共同参数</source>
        <translation>Shared data</translation>
    </message>
    <message>
        <source>两个齿轮</source>
        <translation>The two gears</translation>
    </message>
    <message>
        <source>中心距与齿宽</source>
        <translation>Centre distance and face width</translation>
    </message>
    <message>
        <source>计  算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>齿轮 1 ← 齿轮文件…</source>
        <translation>Gear 1 from a gear file…</translation>
    </message>
    <message>
        <source>齿轮 2 ← 齿轮文件…</source>
        <translation>Gear 2 from a gear file…</translation>
    </message>
    <message>
        <source>打开…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>保存…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>导出 PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>返  回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>打开齿轮文件</source>
        <translation>Open Gear File</translation>
    </message>
    <message>
        <source>齿轮文件 (*.gear);;所有文件 (*)</source>
        <translation>Gear files (*.gear);;All files (*)</translation>
    </message>
    <message>
        <source>打开齿轮副文件</source>
        <translation>Open a pair file</translation>
    </message>
    <message>
        <source>齿轮副文件 (*.pair);;所有文件 (*)</source>
        <translation>Pair files (*.pair);;All files (*)</translation>
    </message>
    <message>
        <source>保存齿轮副文件</source>
        <translation>Save a pair file</translation>
    </message>
    <message>
        <source>齿轮副文件 (*.pair)</source>
        <translation>Pair files (*.pair)</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>“%1”的值“%2”不是数。</source>
        <translation>The value “%2” of “%1” is not a number.</translation>
    </message>
    <message>
        <source>（齿轮 %1）</source>
        <translation> (gear %1)</translation>
    </message>
    <message>
        <source>请填写两个齿轮的齿数 z。</source>
        <translation>Enter both gears&apos; numbers of teeth z.</translation>
    </message>
    <message>
        <source>请填写法向模数 mn 或径节 P。</source>
        <translation>Enter the normal module mn or the diametral pitch P.</translation>
    </message>
    <message>
        <source>没有结果：</source>
        <translation>No result: </translation>
    </message>
    <message>
        <source>已保存到 %1</source>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <source>没有结果可导出：请先计算。</source>
        <translation>No result to export: compute first.</translation>
    </message>
    <message>
        <source>已导出 %1</source>
        <translation>Exported %1</translation>
    </message>
</context>
<context>
    <name>geardim::ResultLabel</name>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>geardim::SheetForm</name>
    <message>
        <source>齿轮</source>
        <translation>Gear</translation>
    </message>
    <message>
        <source>齿厚偏差（法向）</source>
        <translation>Thickness allowances (normal)</translation>
    </message>
    <message>
        <source>量具</source>
        <translation>Gauge</translation>
    </message>
    <message>
        <source>外齿</source>
        <translation>External</translation>
    </message>
    <message>
        <source>内齿</source>
        <translation>Internal</translation>
    </message>
    <message>
        <source>量球</source>
        <translation>Balls</translation>
    </message>
    <message>
        <source>量棒</source>
        <translation>Pins</translation>
    </message>
    <message>
        <source>种类</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>计  算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>请填写齿数 z。</source>
        <translation>Enter the number of teeth z.</translation>
    </message>
    <message>
        <source>“%1”的值 %2 超出范围（%3）。</source>
        <translation>&quot;%1&quot; is %2, out of range (%3).</translation>
    </message>
    <message>
        <source>不注明</source>
        <translation>not stated</translation>
    </message>
    <message>
        <source>左旋</source>
        <translation>left hand</translation>
    </message>
    <message>
        <source>右旋</source>
        <translation>right hand</translation>
    </message>
    <message>
        <source>旋向</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>%1（代号 %2）</source>
        <translation>%1 (code %2)</translation>
    </message>
</context>
<context>
    <name>geardim::SplineWindow</name>
    <message>
        <source>花键</source>
        <translation>Splines</translation>
    </message>
    <message>
        <source>花键标记</source>
        <translation>Designation</translation>
    </message>
    <message>
        <source>计  算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>返  回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>“%1”不是数。</source>
        <translation>&apos;%1&apos; is not a number.</translation>
    </message>
    <message>
        <source>打开…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>保存…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>导出 PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>打开花键文件</source>
        <translation>Open spline file</translation>
    </message>
    <message>
        <source>花键文件 (*.spline);;所有文件 (*)</source>
        <translation>Spline files (*.spline);;All files (*)</translation>
    </message>
    <message>
        <source>保存花键文件</source>
        <translation>Save spline file</translation>
    </message>
    <message>
        <source>花键文件 (*.spline)</source>
        <translation>Spline files (*.spline)</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>已保存到“%1”。</source>
        <translation>Saved to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>没有可导出的结果：%1</source>
        <translation>No result to export: %1</translation>
    </message>
    <message>
        <source>已导出到“%1”。</source>
        <translation>Exported to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>偏差表…</source>
        <translation>Allowance table…</translation>
    </message>
    <message>
        <source>DIN 5480：未输入偏差时，按标记中的公差代号和参考直径 dB 从齿厚偏差表取上下偏差</source>
        <translation>DIN 5480: without typed deviations, take them from the allowance table by the designation&apos;s tolerance and the reference diameter dB</translation>
    </message>
</context>
</TS>
