<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Backups</name>
    <message>
        <source>unknown-band</source>
        <translation>未知频段</translation>
    </message>
    <message>
        <source>Before write</source>
        <translation>写频前</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written (%2).</source>
        <translation>无法写入备份文件 %1（%2）。</translation>
    </message>
    <message>
        <source> Nothing was written to the radio.</source>
        <translation>未向对讲机写入任何数据。</translation>
    </message>
</context>
<context>
    <name>BandSelection</name>
    <message>
        <source>Change frequency channel list will remove, sure?</source>
        <translation>改变频段将清除频道列表，确定吗？</translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation>注意！</translation>
    </message>
</context>
<context>
    <name>CableFinder</name>
    <message>
        <source>Find my cable, step 1 of 2: unplug the programming cable from the computer (if it is plugged in), then press OK.</source>
        <translation>查找写频线（第 1 步，共 2 步）：请从计算机上拔下写频线（如果已插上），然后按“确定”。</translation>
    </message>
    <message>
        <source>Find my cable, step 2 of 2: plug the programming cable into the computer, wait a moment, then press OK.</source>
        <translation>查找写频线（第 2 步，共 2 步）：请把写频线插到计算机上，稍等片刻，然后按“确定”。</translation>
    </message>
    <message>
        <source>No new serial device appeared. Check that the cable is plugged in all the way; a cable whose driver is not installed gets no device from the system.</source>
        <translation>没有出现新的串口设备。请检查写频线是否插好；若写频线的驱动程序未安装，系统不会为它建立设备。</translation>
    </message>
    <message>
        <source>The cable is on %1.

Press OK to use this port.</source>
        <translation>写频线在 %1。

按“确定”使用该串口。</translation>
    </message>
    <message>
        <source>Several devices appeared: %1.

Press OK to use %2.</source>
        <translation>出现了多个设备：%1。

按“确定”使用 %2。</translation>
    </message>
</context>
<context>
    <name>ChangeList</name>
    <message>
        <source>CH</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>RX QT/DQT</source>
        <translation>接收亚音频</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>TX QT/DQT</source>
        <translation>发射亚音频</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>禁发</translation>
    </message>
    <message>
        <source>W/N</source>
        <translation>宽\窄带</translation>
    </message>
    <message>
        <source>Scan Add</source>
        <translation>扫描添加</translation>
    </message>
</context>
<context>
    <name>ChannelClipboard</name>
    <message>
        <source>Channel %1, column &quot;%2&quot;: </source>
        <translation>信道 %1，“%2”列：</translation>
    </message>
    <message>
        <source>Select the channel to paste into first.</source>
        <translation>请先选择要粘贴到的信道。</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>剪贴板中没有信道。</translation>
    </message>
    <message>
        <source>From channel %1 on there is room for %2 rows; the clipboard holds %3.</source>
        <translation>从信道 %1 起只能放下 %2 行，剪贴板中有 %3 行。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 (%3).</source>
        <translation>“%1”%2（%3）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency.</source>
        <translation>“%1”不是频率。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone (Off, 67.0 to 254.1, D023N, D023I).</source>
        <translation>“%1”不是亚音频（关闭、67.0 至 254.1、D023N、D023I）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not &quot;%2&quot; or &quot;%3&quot;.</source>
        <translation>“%1”不是“%2”或“%3”。</translation>
    </message>
    <message>
        <source>a channel without RX frequency holds nothing else.</source>
        <translation>没有接收频率的信道不能有其他内容。</translation>
    </message>
    <message>
        <source>the pasted row has %1 cells; %2 at most.</source>
        <translation>粘贴的行有 %1 个单元格，最多 %2 个。</translation>
    </message>
    <message>
        <source>The channels on the clipboard are of an unknown form.</source>
        <translation>剪贴板中的信道格式无法识别。</translation>
    </message>
    <message>
        <source>The channels on the clipboard cannot be used: %1</source>
        <translation>剪贴板中的信道无法使用：%1</translation>
    </message>
</context>
<context>
    <name>ChannelColumns</name>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>QT/DQT</source>
        <translation>亚音频</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>禁发</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>W/N</source>
        <translation>宽\窄带</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>Scan Add</source>
        <translation>扫描添加</translation>
    </message>
    <message>
        <source>No</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>有</translation>
    </message>
</context>
<context>
    <name>ChannelList</name>
    <message>
        <source>VQ-740 Channel List</source>
        <translation>VQ-740 信道表</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language of the page, as HTML names it</comment>
        <translation>zh-CN</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>频段：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>No channel is in use.</source>
        <translation>没有使用中的信道。</translation>
    </message>
    <message>
        <source>Functions Setting</source>
        <translation>功能设置</translation>
    </message>
</context>
<context>
    <name>ChirpExport</name>
    <message>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>%1 199.9 Hz: CHIRP&apos;s tone list has 199.5 instead</source>
        <translation>%1 199.9 Hz：CHIRP 的亚音频表中是 199.5</translation>
    </message>
    <message>
        <source>%1 %2 Hz is not in CHIRP&apos;s tone list</source>
        <translation>%1 %2 Hz 不在 CHIRP 的亚音频表中</translation>
    </message>
    <message>
        <source>%1 DCS %2 is not in CHIRP&apos;s DCS code list</source>
        <translation>%1 D%2 不在 CHIRP 的数字亚音频表中</translation>
    </message>
    <message>
        <source>%1 is not exported: its frequency %2 / %3 is not a number.</source>
        <translation>%1 未导出：频率 %2 / %3 不是数字。</translation>
    </message>
    <message>
        <source>%1 is not exported: its tones %2 / %3 are not tones.</source>
        <translation>%1 未导出：亚音频 %2 / %3 无法识别。</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>接收亚音频</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>发射亚音频</translation>
    </message>
    <message>
        <source>%1: %2 %3 is a tone word kept as read, which CHIRP has no form for: it is left out.</source>
        <translation>%1：%2 %3 是按读出原样保留的亚音频字，CHIRP 没有对应的写法，导出时略去。</translation>
    </message>
    <message>
        <source>this program refuses the row when importing it back</source>
        <translation>本程序再导入时也会拒绝此行</translation>
    </message>
    <message>
        <source>Modern CHIRP reads these values but refuses them when copying into a radio with the standard tone lists; CHIRP 20221106 (Debian 12) drops these rows when reading the file:</source>
        <translation>新版 CHIRP 能读出以下数值，但复制到使用标准亚音频表的电台时会拒绝；CHIRP 20221106（Debian 12）读文件时会丢弃这些行：</translation>
    </message>
    <message>
        <source>No channel is in use: the file holds only the header, which CHIRP refuses with &quot;No channels found&quot;.</source>
        <translation>没有使用中的信道：文件只有标题行，CHIRP 会报告“No channels found”。</translation>
    </message>
    <message>
        <source>CHIRP files have no BCLO column: the Carrier setting of channels %1 is not carried.</source>
        <translation>CHIRP 的文件没有 BCLO（禁发）项：信道 %1 的“载波”设置不会带出。</translation>
    </message>
</context>
<context>
    <name>ChirpImport</name>
    <message>
        <source>Line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Line %1 (file line %2)</source>
        <translation>第 %1 行（文件第 %2 行）</translation>
    </message>
    <message>
        <source>: </source>
        <translation>：</translation>
    </message>
    <message>
        <source>[Location] %1 is not a channel 1 to 16</source>
        <translation>[Location] %1 不是 1 至 16 的信道</translation>
    </message>
    <message>
        <source>[Location] %1 rows name no channel 1 to 16; the first: lines %2 ...</source>
        <translation>[Location] %1 行不是 1 至 16 的信道；最先几行：第 %2 行……</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>, ... (%1 in all)</source>
        <translation>……（共 %1 列）</translation>
    </message>
    <message>
        <source>Unknown columns are ignored: %1.</source>
        <translation>未知的列已忽略：%1。</translation>
    </message>
    <message>
        <source>%1 MHz lies outside the range %2</source>
        <translation>%1 MHz 超出频段 %2</translation>
    </message>
    <message>
        <source>RX %1 MHz becomes %2</source>
        <translation>接收 %1 MHz 变为 %2</translation>
    </message>
    <message>
        <source>TX %1 MHz (Duplex %2) lies outside the range %3</source>
        <translation>发射 %1 MHz（Duplex %2）超出频段 %3</translation>
    </message>
    <message>
        <source>TX %1 MHz becomes %2</source>
        <translation>发射 %1 MHz 变为 %2</translation>
    </message>
    <message>
        <source>DTCS with RxDtcsCode %1 other than DtcsCode %2: DtcsCode %2 is used on both sides</source>
        <translation>DTCS 的 RxDtcsCode %1 与 DtcsCode %2 不同：两边都用 DtcsCode %2</translation>
    </message>
    <message>
        <source>the radio does not support D-STAR (DV)</source>
        <translation>本机不支持 D-STAR（DV）</translation>
    </message>
    <message>
        <source>mode %1 is not supported by the radio (FM, NFM or Auto)</source>
        <translation>本机不支持模式 %1（只支持 FM、NFM 或 Auto）</translation>
    </message>
    <message>
        <source>names (rows: %1)</source>
        <translation>名称（%1 行）</translation>
    </message>
    <message>
        <source>comments (rows: %1)</source>
        <translation>备注（%1 行）</translation>
    </message>
    <message>
        <source>tuning steps (rows: %1)</source>
        <translation>步进（%1 行）</translation>
    </message>
    <message>
        <source>D-STAR fields (rows: %1)</source>
        <translation>D-STAR 字段（%1 行）</translation>
    </message>
    <message>
        <source>Not kept by the radio and dropped: %1.</source>
        <translation>本机不保存以下内容，已舍弃：%1。</translation>
    </message>
    <message>
        <source>Skip P (priority) is imported as Scan Add Yes (rows: %1).</source>
        <translation>Skip 为 P（优先）的 %1 行按“扫描添加：有”导入。</translation>
    </message>
    <message>
        <source>Comment lines (#) are ignored (lines: %1).</source>
        <translation>忽略了 %1 行注释（# 开头）。</translation>
    </message>
    <message>
        <source>BCLO is Off on every channel (CHIRP has no such column); channels the file does not fill are empty.</source>
        <translation>所有信道的 BCLO 为“关闭”（CHIRP 没有此项）；文件未给出的信道为空。</translation>
    </message>
    <message>
        <source>The file is not UTF-8; it is read as Windows code page 1252.</source>
        <translation>文件不是 UTF-8 编码，按 Windows 代码页 1252 读取。</translation>
    </message>
    <message>
        <source>The file is UTF-16 text (CHIRP&apos;s files are UTF-8); it is read as UTF-16.</source>
        <translation>文件是 UTF-16 编码（CHIRP 的文件是 UTF-8），按 UTF-16 读取。</translation>
    </message>
    <message>
        <source>This is not a CHIRP channel list: its first line names none of CHIRP&apos;s columns (Location, Frequency, ...).</source>
        <translation>这不是 CHIRP 的信道表：第一行没有 CHIRP 的列名（Location、Frequency……）。</translation>
    </message>
    <message>
        <source>The file has no Frequency column.</source>
        <translation>文件没有 Frequency 列。</translation>
    </message>
    <message>
        <source>Column number mismatch: %1 fields, the header has %2</source>
        <translation>列数不符：%1 个字段，标题行有 %2 个</translation>
    </message>
    <message>
        <source>%1: channel %2 was also given on line %3; this later row is taken.</source>
        <translation>%1：信道 %2 已由第 %3 行给出，以本行为准。</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件是空的。</translation>
    </message>
    <message>
        <source>Rows after the first 16 that fit are not imported (rows: %1).</source>
        <translation>前 16 个合适的行之后还有 %1 行未导入。</translation>
    </message>
    <message>
        <source>No row fits the radio in the range %1: no channel is imported.</source>
        <translation>没有一行适合本机的 %1 频段：未导入任何信道。</translation>
    </message>
    <message>
        <source>Rows taken: %1, snapped: %2, refused: %3.</source>
        <translation>导入 %1 行，其中 %2 行频率被调整；拒绝 %3 行。</translation>
    </message>
    <message>
        <source> Empty rows skipped: %1.</source>
        <translation>跳过 %1 个空行。</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>……另有 %1 条</translation>
    </message>
    <message>
        <source>Refused:</source>
        <translation>拒绝的行：</translation>
    </message>
    <message>
        <source>Snapped onto the channel step:</source>
        <translation>调整到信道步进的频率：</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>说明：</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <translation>%1 不是 %2 之一</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 不是频率</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 不是数字</translation>
    </message>
    <message>
        <source>%1 is not a tone between 50 and 300 Hz</source>
        <translation>%1 不是 50 至 300 Hz 之间的亚音频</translation>
    </message>
    <message>
        <source>%1 is not a DCS code</source>
        <translation>%1 不是数字亚音频代码</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>为空</translation>
    </message>
    <message>
        <source>%1 is not a power in watts</source>
        <translation>%1 不是以瓦为单位的功率</translation>
    </message>
    <message>
        <source>tone %1 Hz lies outside 67.0-254.1 Hz</source>
        <translation>亚音频 %1 Hz 不在 67.0-254.1 Hz 之内</translation>
    </message>
    <message>
        <source>DCS code %1 is not one of the radio&apos;s</source>
        <translation>数字亚音频 %1 不是本机的代码</translation>
    </message>
    <message>
        <source>reverse squelch (%1) is not supported by the radio</source>
        <translation>本机不支持反向静噪（%1）</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>All channel data will be clear.</source>
        <translation>所有信道的数据将被清除！</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>This file already exists, whether to cover?</source>
        <translation>该文件已存在，是否覆盖？</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>The channels or settings have changes that are not saved. Save the changes to %1?
Yes saves them, No discards them.</source>
        <translation>信道或设置的修改尚未保存。是否将修改保存到 %1？
选“是”保存，选“否”放弃修改。</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存的修改</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>FleetPart</name>
    <message>
        <source>Program radios...</source>
        <translation>批量写频...</translation>
    </message>
    <message>
        <source>Journal...</source>
        <translation>写频记录...</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>VQ-740 Radio Software V1.20</source>
        <translation>VQ-740 对讲机编程软件 V1.20</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Open(&amp;O)</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Import(&amp;I)...</source>
        <translation>导入(&amp;I)...</translation>
    </message>
    <message>
        <source>Export(&amp;E)...</source>
        <translation>导出(&amp;E)...</translation>
    </message>
    <message>
        <source>Print(&amp;P)...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Export PDF(&amp;D)...</source>
        <translation>导出 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>Backups(&amp;B)...</source>
        <translation>备份(&amp;B)...</translation>
    </message>
    <message>
        <source>Exit(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Programming(&amp;P)</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>Read From Radio(&amp;R)</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <source>Write To Radio(&amp;W)</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>Optional function </source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Keys Assigment </source>
        <translation>键设定</translation>
    </message>
    <message>
        <source>Embedded Message</source>
        <translation>嵌入信息</translation>
    </message>
    <message>
        <source>Debug Parameters(&amp;D)</source>
        <translation>调试(&amp;D)</translation>
    </message>
    <message>
        <source>Test Frequency</source>
        <translation>测试频率</translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>Lock(&amp;L)</source>
        <translation>锁定(&amp;L)</translation>
    </message>
    <message>
        <source>Communication port(&amp;V)</source>
        <translation>通信端口(&amp;V)</translation>
    </message>
    <message>
        <source>Languages(&amp;L)</source>
        <translation>语言选择(&amp;L)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>The help topic  F1 </source>
        <translation>帮助主题  F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Serial trace</source>
        <translation>串口记录</translation>
    </message>
    <message>
        <source>(no serial devices found)</source>
        <translation>（未找到串口设备）</translation>
    </message>
    <message>
        <source>Other port...</source>
        <translation>其它端口...</translation>
    </message>
    <message>
        <source>Find my cable...</source>
        <translation>查找写频线...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Read frequency</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>Write frequency</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>机型选择</translation>
    </message>
    <message>
        <source>Functions Setting</source>
        <translation>功能设置</translation>
    </message>
    <message>
        <source>Copyright © 2012 %1</source>
        <translation>版权所有 © 2012 %1</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Voice Notice:</source>
        <translation>语言通知</translation>
    </message>
    <message>
        <source>Time-out Timer:</source>
        <translation>发射超时</translation>
    </message>
    <message>
        <source>TOT Pre-Alert:</source>
        <translation>发射超时预警</translation>
    </message>
    <message>
        <source>Squelch Level:</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Battery Save:</source>
        <translation>省电</translation>
    </message>
    <message>
        <source>Beep:</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>Press F1 for the user guide</source>
        <translation>按 F1 查看使用说明</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no voice notice</comment>
        <translation>关</translation>
    </message>
    <message>
        <source>%1 S</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>%1 级</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>disabled</comment>
        <translation>禁止</translation>
    </message>
    <message>
        <source>On</source>
        <translation>使能</translation>
    </message>
    <message>
        <source>Write To Radio: preview</source>
        <translation>写频预览</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Old value (radio)</source>
        <translation>原值（对讲机）</translation>
    </message>
    <message>
        <source>New value (to write)</source>
        <translation>新值（写入）</translation>
    </message>
    <message>
        <source>Before writing, note:</source>
        <translation>写入前请注意：</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写入(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Write anyway</source>
        <translation>仍然写入(&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Backup folder:</source>
        <translation>备份文件夹：</translation>
    </message>
    <message>
        <source>No backups yet. Every read and every write makes one.</source>
        <translation>还没有备份。每次读频和写频前都会自动备份。</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Import CHIRP CSV</source>
        <translation>导入 CHIRP CSV</translation>
    </message>
    <message>
        <source>How are the rows of the file placed into the 16 channels?</source>
        <translation>文件中的行如何放入 16 个信道？</translation>
    </message>
    <message>
        <source>By their Location (1 to 16)</source>
        <translation>按 Location 列（1 至 16）</translation>
    </message>
    <message>
        <source>The first 16 rows that fit</source>
        <translation>依次取前 16 个合适的行</translation>
    </message>
    <message>
        <source>Import report</source>
        <translation>导入报告</translation>
    </message>
    <message>
        <source>OK imports these channels; Cancel changes nothing.</source>
        <translation>按“确定”导入这些信道，按“取消”不作任何改动。</translation>
    </message>
    <message>
        <source>Nothing is imported.</source>
        <translation>没有导入任何内容。</translation>
    </message>
    <message>
        <source>Channel list</source>
        <translation>信道表</translation>
    </message>
    <message>
        <source>Omit empty channels</source>
        <translation>省略空信道</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Debug Parameters</source>
        <translation>调试参数</translation>
    </message>
    <message>
        <source>TX-High Power</source>
        <translation>发射高功率</translation>
    </message>
    <message>
        <source>TX-Low Power</source>
        <translation>发射低功率</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>High</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Test Frequency</source>
        <translation>测试频率</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>发射频率</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>disabled</comment>
        <translation>禁止</translation>
    </message>
    <message>
        <source>On</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Launch Start</source>
        <translation>发射开始</translation>
    </message>
    <message>
        <source>Launch End</source>
        <translation>发射结束</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>两者</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>选定</translation>
    </message>
    <message>
        <source>Selected+Talk Back</source>
        <translation>选定+当前</translation>
    </message>
    <message>
        <source>priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>priority+Talk Back</source>
        <translation>优先+当前</translation>
    </message>
    <message>
        <source>Optional Function</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Cancel Operation</source>
        <translation>取消操作</translation>
    </message>
    <message>
        <source>VOX Inhibit On Reveive</source>
        <translation>接收时禁止VOX</translation>
    </message>
    <message>
        <source>VOX Function</source>
        <translation>VOX功能</translation>
    </message>
    <message>
        <source>VOX Gain Level</source>
        <translation>VOX增益电平</translation>
    </message>
    <message>
        <source>VOX Delay time[S]</source>
        <translation>VOX延迟时间</translation>
    </message>
    <message>
        <source>VOX Proceed Tone</source>
        <translation>VOX可进行音调</translation>
    </message>
    <message>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Look Back Time A[S]</source>
        <translation>回扫时间A[秒]</translation>
    </message>
    <message>
        <source>Look Back Time B[S]</source>
        <translation>回扫时间B[秒]</translation>
    </message>
    <message>
        <source>Revert channel</source>
        <translation>返回信道</translation>
    </message>
    <message>
        <source>Dropout delay time[S]</source>
        <translation>扫描接收恢复延时时间(秒)</translation>
    </message>
    <message>
        <source>TX Dwell time[S]</source>
        <translation>扫描发射恢复延时时间(秒)</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Autodial</source>
        <translation>自动拨号</translation>
    </message>
    <message>
        <source>None</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Keys lock</source>
        <translation>按键锁定</translation>
    </message>
    <message>
        <source>Key lock with Backup</source>
        <translation>按键锁定及备份</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监听</translation>
    </message>
    <message>
        <source>Monitor Monentary</source>
        <translation>监听瞬时</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Scan + temporary Delete</source>
        <translation>扫描+暂时删除</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>照明灯开关</translation>
    </message>
    <message>
        <source>Squelch Off</source>
        <translation>取消静噪</translation>
    </message>
    <message>
        <source>Squelch Off Momentary</source>
        <translation>瞬时取消静噪</translation>
    </message>
    <message>
        <source>temporary Delete</source>
        <translation>暂时删除</translation>
    </message>
    <message>
        <source>Keys Set</source>
        <translation>键设定</translation>
    </message>
    <message>
        <source>PF1</source>
        <translation>PF1</translation>
    </message>
    <message>
        <source>PF2</source>
        <translation>PF2</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Embedded Information</source>
        <translation>嵌入信息</translation>
    </message>
</context>
<context>
    <name>FrequencyEntry</name>
    <message>
        <source>Beyond the frequency range</source>
        <translation>超出频段范围</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>guide.html</source>
        <comment>the file name of the user guide in this language</comment>
        <translation>guide-zh.html</translation>
    </message>
</context>
<context>
    <name>InteropCommands</name>
    <message>
        <source>Export to %1:

%2

Write the file?</source>
        <translation>导出到 %1：

%2

是否写入文件？</translation>
    </message>
    <message>
        <source>Export CHIRP CSV</source>
        <translation>导出 CHIRP CSV</translation>
    </message>
</context>
<context>
    <name>JournalWindow</name>
    <message>
        <source>Journal</source>
        <translation>写频记录</translation>
    </message>
    <message>
        <source>Journal file:</source>
        <translation>记录文件：</translation>
    </message>
    <message>
        <source>No radio has been programmed yet.</source>
        <translation>还没有写过任何对讲机。</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>母版</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <comment>the name of this language, in this language</comment>
        <translation>中文</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Communication port not open, please first selection menu &apos;communication port&apos; to open its serial ports!</source>
        <translation>通信端口未打开，请先选择菜单“通信端口”打开其串口！</translation>
    </message>
    <message>
        <source>It&apos;s communicating, please wait......</source>
        <translation>正在通信,请稍后……</translation>
    </message>
    <message>
        <source>Read frequency success!</source>
        <translation>读频成功！</translation>
    </message>
    <message>
        <source>Write frequency success!</source>
        <translation>写频成功！</translation>
    </message>
    <message>
        <source>Frequency band with discrepancies, do not write.</source>
        <translation>频段不符，不可写入。</translation>
    </message>
    <message>
        <source>Frequency band with discrepancies, do you wish to continue?</source>
        <translation>频段不符，是否继续？</translation>
    </message>
    <message>
        <source>Communication error, please check the intercom model, fault, attachment and computer serial choice!</source>
        <translation>通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！</translation>
    </message>
    <message>
        <source>Serial port %1 has been other programs use, please choose other serial or turn off its program.</source>
        <translation>串行端口%1已被其它程序使用，请选择其它串口或关掉其程序.</translation>
    </message>
</context>
<context>
    <name>LinkWindows</name>
    <message>
        <source>Other port</source>
        <translation>其它端口</translation>
    </message>
    <message>
        <source>Serial &amp;device:</source>
        <translation>串口设备(&amp;D)：</translation>
    </message>
    <message>
        <source>For example COM12</source>
        <translation>例如 COM12</translation>
    </message>
    <message>
        <source>For example /dev/ttyUSB4, /dev/serial/by-id/..., /dev/rfcomm0 (Bluetooth) or /dev/pts/3 (simulated radio)</source>
        <translation>例如 /dev/ttyUSB4、/dev/serial/by-id/…、/dev/rfcomm0（蓝牙）或 /dev/pts/3（模拟对讲机）</translation>
    </message>
    <message>
        <source>Serial trace</source>
        <translation>串口记录</translation>
    </message>
    <message>
        <source>No exchange with the radio yet. After a read or a write, every byte sent and received is listed here.</source>
        <translation>还没有与对讲机通信过。读频或写频后，这里会列出收发的每个字节。</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Save the serial trace</source>
        <translation>保存串口记录</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>The serial trace could not be saved as %1: %2</source>
        <translation>无法把串口记录保存为 %1：%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The parameter file %1 (%2) cannot be written; the language, port and lock are not kept.</source>
        <translation>无法保存参数文件 %1（%2），语言、端口和锁定设置未保存。</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
</context>
<context>
    <name>PortDevices</name>
    <message>
        <source>Please type the path of the serial device, such as /dev/ttyUSB0.</source>
        <translation>请输入串口设备的路径，例如 /dev/ttyUSB0。</translation>
    </message>
    <message>
        <source>There is no device %1: check the path, and that the cable is plugged in.</source>
        <translation>没有设备 %1：请检查路径，以及写频线是否已插好。</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 不是串口设备。</translation>
    </message>
    <message>
        <source>Please type the name of the serial port, such as COM12.</source>
        <translation>请输入串口的名称，例如 COM12。</translation>
    </message>
    <message>
        <source>%1 is not the name of a serial port: type a name such as COM12 or \\.\COM12.</source>
        <translation>%1 不是串口的名称：请输入 COM12 或 \\.\COM12 这样的名称。</translation>
    </message>
</context>
<context>
    <name>PortDiagnostics</name>
    <message>
        <source>a program</source>
        <translation>某个程序</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1（进程 %2）</translation>
    </message>
    <message>
        <source>No serial device is present now.</source>
        <translation>现在没有任何串口设备。</translation>
    </message>
    <message>
        <source>Serial devices present now: %1.</source>
        <translation>现有的串口设备：%1。</translation>
    </message>
    <message>
        <source>%1 belongs to user %2 and group %3, mode %4.</source>
        <translation>%1 的所有者为 %2，组为 %3，权限为 %4。</translation>
    </message>
    <message>
        <source>Your user is in the group %1, but this login began before it joined: log out and in again.</source>
        <translation>您的用户已属于组 %1，但本次登录早于加入该组：请注销后重新登录。</translation>
    </message>
    <message>
        <source>Your user must be in the group %1: sudo usermod -aG %1 $USER, then log out and in again.</source>
        <translation>您的用户必须属于组 %1：sudo usermod -aG %1 $USER，然后重新登录。</translation>
    </message>
    <message>
        <source>No group may use this device. Install a udev rule that gives it to the group %1:</source>
        <translation>没有哪个组可以使用该设备。请安装一条 udev 规则，把它交给组 %1：</translation>
    </message>
    <message>
        <source>Then plug the cable in again, and join the group: sudo usermod -aG %1 $USER, then log out and in again.</source>
        <translation>然后把写频线重新插一次，并让您的用户加入该组：sudo usermod -aG %1 $USER，再重新登录。</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (lock file %3): close that program.</source>
        <translation>%1 正被 %2 使用（锁文件 %3）：请关掉该程序。</translation>
    </message>
    <message>
        <source>A program that has ended (process %2) left the lock file %1 behind. Remove it: sudo rm %1</source>
        <translation>已结束的程序（进程 %2）留下了锁文件 %1。请删除它：sudo rm %1</translation>
    </message>
    <message>
        <source>The lock file %1 marks the device as in use. If no program is using it, remove it: sudo rm %1</source>
        <translation>锁文件 %1 表明该设备正被使用。若没有程序在用它，请删除它：sudo rm %1</translation>
    </message>
    <message>
        <source>%1 is open in %2: close that program.</source>
        <translation>%1 正被 %2 使用：请关掉该程序。</translation>
    </message>
    <message>
        <source>Another program is using the port; close that program.</source>
        <translation>该串口正被其它程序使用，请关掉该程序。</translation>
    </message>
    <message>
        <source>No serial port has been chosen.</source>
        <translation>没有选择串口。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>There is no such device: check that the programming cable is plugged in, or choose another port.</source>
        <translation>该设备不存在：请检查写频线是否已插好，或选择其它串口。</translation>
    </message>
</context>
<context>
    <name>ProgramCommand</name>
    <message>
        <source>connect radio %1 again and press Enter to try it again; n for the next radio; q to stop</source>
        <translation>请重新连接第 %1 台对讲机，按回车键重试；输入 n 换下一台；输入 q 停止</translation>
    </message>
    <message>
        <source>connect radio %1 of %2 and press Enter; q to stop</source>
        <translation>请连接第 %1 台对讲机（共 %2 台），按回车键开始；输入 q 停止</translation>
    </message>
    <message>
        <source>connect radio %1 and press Enter; q to stop</source>
        <translation>请连接第 %1 台对讲机，按回车键开始；输入 q 停止</translation>
    </message>
    <message>
        <source>Warning: </source>
        <translation>警告：</translation>
    </message>
    <message>
        <source>The journal %1 cannot be written (%2).</source>
        <translation>无法写入日志 %1（%2）。</translation>
    </message>
    <message>
        <source>radio %1: %2 %3 %4 %5</source>
        <translation>第 %1 台：%2 %3 %4 %5</translation>
    </message>
    <message>
        <source>, backup %1</source>
        <translation>，备份：%1</translation>
    </message>
    <message>
        <source>%1 of %2 radio(s) written and checked</source>
        <translation>%2 台对讲机中 %1 台写频完成，校验无误</translation>
    </message>
    <message>
        <source>Radios written and checked: %1 of %2.</source>
        <translation>写频完成且校验无误的对讲机：%1 台，共 %2 台。</translation>
    </message>
    <message>
        <source>Error in the master: </source>
        <translation>母本有误：</translation>
    </message>
    <message>
        <source>No radio was programmed: mend the master first.</source>
        <translation>未对任何对讲机写频：请先修改母本。</translation>
    </message>
</context>
<context>
    <name>ProgramRadiosWindow</name>
    <message>
        <source>No master file chosen.</source>
        <translation>尚未选择母版文件。</translation>
    </message>
    <message>
        <source>Master: %1</source>
        <translation>母版：%1</translation>
    </message>
    <message>
        <source>Choose the master file with Master file....</source>
        <translation>请用“母版文件...”选择母版文件。</translation>
    </message>
    <message>
        <source>The radio cannot hold this master as it is; no radio is programmed until it is mended:</source>
        <translation>对讲机无法按原样保存此母版，修正之前不会写入任何对讲机：</translation>
    </message>
    <message>
        <source>The master can be written as it is.</source>
        <translation>母版可以按原样写入。</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>注意：</translation>
    </message>
    <message>
        <source>A radio is being programmed on this port; wait until it is done.</source>
        <translation>此端口正在写入对讲机，请等它完成。</translation>
    </message>
    <message>
        <source>No radio was programmed: choose the master file first.</source>
        <translation>未写入任何对讲机：请先选择母版文件。</translation>
    </message>
    <message>
        <source>No radio was programmed: mend the master first.</source>
        <translation>未写入任何对讲机：请先修正母版。</translation>
    </message>
    <message>
        <source>The main window is exchanging with a radio; press Start again when it is done.</source>
        <translation>主窗口正在与对讲机通信，完成后请再按“开始”。</translation>
    </message>
    <message>
        <source>The journal %1 cannot be written (%2).</source>
        <translation>无法写入写频记录 %1（%2）。</translation>
    </message>
    <message>
        <source>Written and checked: %1    Failed: %2</source>
        <translation>已写入并校验：%1    失败：%2</translation>
    </message>
    <message>
        <source>Radios are being programmed; close the window once they are done.</source>
        <translation>正在写入对讲机，完成后再关闭窗口。</translation>
    </message>
    <message>
        <source>Program radios</source>
        <translation>批量写频</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>母版</translation>
    </message>
    <message>
        <source>The editor&apos;s contents</source>
        <translation>编辑器中的内容</translation>
    </message>
    <message>
        <source>A data file</source>
        <translation>数据文件</translation>
    </message>
    <message>
        <source>Master file...</source>
        <translation>母版文件...</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Another port (COM5, /dev/ttyUSB1)</source>
        <translation>其他端口（COM5、/dev/ttyUSB1）</translation>
    </message>
    <message>
        <source>Add port</source>
        <translation>添加端口</translation>
    </message>
    <message>
        <source>Radios on each port</source>
        <translation>各端口的对讲机</translation>
    </message>
    <message>
        <source>Check a port to program radios on it.</source>
        <translation>勾选一个端口，即可在该端口上写入对讲机。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ProgrammedRadiosTable</name>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
</context>
<context>
    <name>RadioLineGroup</name>
    <message>
        <source>Connect the next radio and press Start (Enter).</source>
        <translation>连接下一台对讲机，然后按“开始”（回车）。</translation>
    </message>
    <message>
        <source>Radio %1: being programmed...</source>
        <translation>第 %1 台：正在写入……</translation>
    </message>
    <message>
        <source>Leave the radio connected until it is done.</source>
        <translation>完成之前请勿断开对讲机。</translation>
    </message>
    <message>
        <source>Radio %1: look at the changes, then choose Write or Cancel.</source>
        <translation>第 %1 台：请查看改动，然后选择“写入”或“取消”。</translation>
    </message>
    <message>
        <source>Radio %1: %2.</source>
        <translation>第 %1 台：%2。</translation>
    </message>
    <message>
        <source>Connect radio %1 again and press Retry, or connect the next radio and press Start (Enter).</source>
        <translation>重新连接第 %1 台并按“重试”，或连接下一台对讲机并按“开始”（回车）。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Programs the radio that failed again, under its number.</source>
        <translation>以原来的编号重新写入失败的对讲机。</translation>
    </message>
</context>
<context>
    <name>RadioLinkCommand</name>
    <message>
        <source>Yes</source>
        <comment>the answer to the band question</comment>
        <translation>是</translation>
    </message>
    <message>
        <source>Warning: </source>
        <translation>警告：</translation>
    </message>
    <message>
        <source>The backup taken before the write: %1</source>
        <translation>写频前的备份：%1</translation>
    </message>
</context>
<context>
    <name>RadioOutcome</name>
    <message>
        <source>written and checked</source>
        <translation>已写入并校验</translation>
    </message>
    <message>
        <source>refused: other band</source>
        <translation>已拒绝：频段不同</translation>
    </message>
    <message>
        <source>failed: no answer</source>
        <translation>失败：无应答</translation>
    </message>
    <message>
        <source>failed: check differs</source>
        <translation>失败：校验不符</translation>
    </message>
    <message>
        <source>failed: port not opened</source>
        <translation>失败：端口未打开</translation>
    </message>
    <message>
        <source>failed: backup not saved</source>
        <translation>失败：备份未保存</translation>
    </message>
    <message>
        <source>stopped before the write</source>
        <translation>写入前已停止</translation>
    </message>
</context>
<context>
    <name>ReadCommand</name>
    <message>
        <source>Backup: %1</source>
        <translation>备份：%1</translation>
    </message>
</context>
<context>
    <name>SerialTrace</name>
    <message>
        <source>Read From Radio</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>Write To Radio</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>Simulated radio</source>
        <translation>模拟对讲机</translation>
    </message>
    <message>
        <source>open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>无法打开：%1</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>device lost: %1</source>
        <translation>设备已断开：%1</translation>
    </message>
    <message>
        <source>no answer yet, PROGRAM sent again</source>
        <translation>对讲机未应答，重发 PROGRAM</translation>
    </message>
    <message>
        <source>time-out: the radio did not answer in time, exchange given up</source>
        <translation>超时：对讲机未按时应答，放弃本次通信</translation>
    </message>
    <message>
        <source>end: %1</source>
        <translation>结束：%1</translation>
    </message>
    <message>
        <source>the program ended during the exchange</source>
        <translation>程序退出，通信中断</translation>
    </message>
    <message>
        <source>trace full, later bytes are not kept</source>
        <translation>记录已满，其后的字节未保留</translation>
    </message>
    <message>
        <source>lock file %1 of a program that has ended (process %2) taken over</source>
        <translation>接管已结束的程序（进程 %2）留下的锁文件 %1</translation>
    </message>
    <message>
        <source>empty lock file %1 that no program uses taken over</source>
        <translation>接管无人使用的空锁文件 %1</translation>
    </message>
    <message>
        <source>%1 bytes left over from an earlier exchange discarded: %2</source>
        <translation>丢弃此前通信遗留的 %1 个字节：%2</translation>
    </message>
    <message>
        <source>the answer does not fit the request: discarded, PROGRAM follows</source>
        <translation>应答与请求不符，已丢弃，稍后重发 PROGRAM</translation>
    </message>
    <message>
        <source>VQ-740 serial trace
TX: program to radio; RX: radio to program; time in milliseconds since the session started.
</source>
        <translation>VQ-740 串口记录
TX：程序发往对讲机；RX：对讲机发往程序；时间为自本次通信开始起的毫秒数。
</translation>
    </message>
    <message>
        <source>== Session %1: %2, %3, %4 ==
</source>
        <translation>== 第 %1 次：%2，%3，%4 ==
</translation>
    </message>
</context>
<context>
    <name>StateFile</name>
    <message>
        <source>The file %1 is of an unknown kind: its name must end in .dat or .json.</source>
        <translation>文件 %1 的类型未知：文件名须以 .dat 或 .json 结尾。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>The file %1 is too short to be a data file.</source>
        <translation>文件 %1 太短，不是有效的数据文件。</translation>
    </message>
    <message>
        <source>The file %1 cannot be used: %2</source>
        <translation>文件 %1 无法使用：%2</translation>
    </message>
    <message>
        <source> (%1)</source>
        <comment>the system&apos;s reason, after the file&apos;s name</comment>
        <translation>（%1）</translation>
    </message>
    <message>
        <source>The file %1 cannot be written%2; the old file is unchanged.</source>
        <translation>无法写入文件 %1%2，原文件未改动。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written%2; nothing was written.</source>
        <translation>无法写入文件 %1%2，未写入任何数据。</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>no such file or directory</source>
        <translation>文件或目录不存在</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>设备不存在</translation>
    </message>
    <message>
        <source>device busy</source>
        <translation>设备正被占用</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>这是一个目录</translation>
    </message>
    <message>
        <source>a part of the path is not a directory</source>
        <translation>路径中有一项不是目录</translation>
    </message>
    <message>
        <source>the device does not support the operation</source>
        <translation>该设备不支持这项操作</translation>
    </message>
    <message>
        <source>read-only file system</source>
        <translation>文件系统只读</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>disk quota exceeded</source>
        <translation>超出磁盘配额</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>输入输出错误</translation>
    </message>
    <message>
        <source>file exists</source>
        <translation>文件已存在</translation>
    </message>
    <message>
        <source>file name too long</source>
        <translation>文件名太长</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>文件太大</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>打开的文件太多</translation>
    </message>
    <message>
        <source>resource temporarily unavailable</source>
        <translation>资源暂时不可用</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>符号链接层数太多</translation>
    </message>
    <message>
        <source>read failed</source>
        <translation>读取失败</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>写入失败</translation>
    </message>
    <message>
        <source>fatal error</source>
        <translation>严重错误</translation>
    </message>
    <message>
        <source>out of resources</source>
        <translation>资源不足</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <source>aborted</source>
        <translation>操作已中止</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>cannot remove</source>
        <translation>无法删除</translation>
    </message>
    <message>
        <source>cannot rename</source>
        <translation>无法重命名</translation>
    </message>
    <message>
        <source>cannot seek</source>
        <translation>无法定位</translation>
    </message>
    <message>
        <source>cannot resize</source>
        <translation>无法改变大小</translation>
    </message>
    <message>
        <source>cannot copy</source>
        <translation>无法复制</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a reason the language names: %1 its name, %2 the system&apos;s text</comment>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>ToneEntry</name>
    <message>
        <source>Not in the radio&apos;s tone list: kept as the radio holds it.</source>
        <translation>不在对讲机的亚音频列表中：按对讲机保存的原样保留。</translation>
    </message>
    <message>
        <source>Tone word %1, kept exactly as read: it is no tone this program can show, and writes and saves give it back unchanged until you change this cell.</source>
        <translation>亚音频字 %1 按读出的原样保留：本程序无法把它显示为亚音频，在您修改这个单元格之前，写频和保存都按原样写回。</translation>
    </message>
</context>
<context>
    <name>WriteTexts</name>
    <message>
        <source>byte(s) %1</source>
        <translation>字节 %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>勾选</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>不勾选</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation>（%1）</translation>
    </message>
    <message>
        <source>%1 byte(s) at %2</source>
        <translation>地址 %2 起 %1 个字节</translation>
    </message>
    <message>
        <source> (not in use), </source>
        <translation>（未使用）</translation>
    </message>
    <message>
        <source>: </source>
        <translation>：</translation>
    </message>
    <message>
        <source>The radio&apos;s band is %1, the data&apos;s %2: %3</source>
        <translation>对讲机频段为 %1，数据频段为 %2：%3</translation>
    </message>
    <message>
        <source>you will be asked before the first block.</source>
        <translation>写入第一块前将询问是否继续。</translation>
    </message>
    <message>
        <source>the write will be refused.</source>
        <translation>写频将被拒绝。</translation>
    </message>
    <message>
        <source>The radio reports a band code outside the known ranges.</source>
        <translation>对讲机报告了一个未知的频段代码。</translation>
    </message>
    <message>
        <source>%1 %2 lies outside the radio&apos;s band.</source>
        <translation>%1 %2 超出对讲机的频段。</translation>
    </message>
    <message>
        <source>%1 is %2 on a channel without TX frequency.</source>
        <translation>%1为 %2，但该信道没有发射频率。</translation>
    </message>
    <message>
        <source>%1: the radio cannot hold the value %2.</source>
        <translation>%1：对讲机无法保存数值 %2。</translation>
    </message>
    <message>
        <source>%1 is %2, above %3, the most the radio takes.</source>
        <translation>%1为 %2，超过对讲机允许的最大值 %3。</translation>
    </message>
    <message>
        <source>The radio already holds exactly these contents: there is nothing to write.</source>
        <translation>对讲机中已是完全相同的数据：没有需要写入的内容。</translation>
    </message>
    <message>
        <source>The write changes %1 item(s) (old value → new value):</source>
        <translation>写频将改变以下 %1 项（原值 → 新值）：</translation>
    </message>
    <message>
        <source>The backup was written back to the radio, read back and checked.</source>
        <translation>备份已写回对讲机，并已回读校验。</translation>
    </message>
    <message>
        <source>Write frequency success! Read back and checked: the radio holds what was written. Backup of its old contents: %1</source>
        <translation>写频成功！已回读校验，对讲机数据与写入一致。原数据备份：%1</translation>
    </message>
    <message>
        <source>Write frequency success! (not read back to check) Backup of the old contents: %1</source>
        <translation>写频成功！（未回读校验）原数据备份：%1</translation>
    </message>
    <message>
        <source>Write check failed: the radio does not hold what was written (%1 item(s) differ).</source>
        <translation>写频校验失败：对讲机数据与写入的不一致（%1 项不同）。</translation>
    </message>
    <message>
        <source>The radio already holds these contents; nothing was written.</source>
        <translation>对讲机中已是这些数据，未写入任何内容。</translation>
    </message>
    <message>
        <source>Write cancelled; nothing was written to the radio.</source>
        <translation>已取消写频，未向对讲机写入任何数据。</translation>
    </message>
    <message>
        <source>Dry run: nothing was written to the radio.</source>
        <translation>试运行：未向对讲机写入任何数据。</translation>
    </message>
    <message>
        <source>The write was cut off: the radio may be partly written. Write again, or write the backup %1 back.</source>
        <translation>写频中断：对讲机可能只写入了一部分。请重新写频，或写回备份 %1。</translation>
    </message>
    <message>
        <source>Written, but the radio could not be read back to check it.</source>
        <translation>已写频，但未能回读对讲机进行校验。</translation>
    </message>
    <message>
        <source>Nothing was written: the radio could not be read before the write.</source>
        <translation>未写频：写频前读取对讲机时通信出错。</translation>
    </message>
    <message>
        <source>Write the backup taken before the write back to the radio?
%1</source>
        <translation>是否把写频前的备份写回对讲机？
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>……另有 %1 项</translation>
    </message>
    <message>
        <source>The radio does not hold what was written. These differ (written → read back):</source>
        <translation>对讲机中的数据与写入的不一致。以下各项不同（写入值 → 回读值）：</translation>
    </message>
    <message>
        <source>Read frequency success! Backup: %1</source>
        <translation>读频成功！备份：%1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>VQ-740 Radio Software</source>
        <translation>VQ-740 对讲机编程软件</translation>
    </message>
    <message>
        <source>English version</source>
        <translation>简体中文版</translation>
    </message>
    <message>
        <source>Issue：2012.4</source>
        <translation>发布：2012.2</translation>
    </message>
    <message>
        <source>Version:1.20</source>
        <translation>版本号:1.20</translation>
    </message>
    <message>
        <source>Press F1 to open the user guide</source>
        <translation>按 F1 键打开使用说明</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>VQ Radio Communications Co., Ltd.</source>
        <translation>VQ 无线电通信有限公司</translation>
    </message>
</context>
</TS>
