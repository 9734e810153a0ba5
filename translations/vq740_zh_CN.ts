<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FleetPart</name>
    <message>
        <location filename="../shell/fleetpart.cpp" line="57"/>
        <source>Program radios...</source>
        <translation>批量写频...</translation>
    </message>
    <message>
        <location filename="../shell/fleetpart.cpp" line="58"/>
        <source>Journal...</source>
        <translation>写频记录...</translation>
    </message>
</context>
<context>
    <name>JournalWindow</name>
    <message>
        <location filename="../shell/journalwindow.cpp" line="126"/>
        <source>Journal</source>
        <translation>写频记录</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="127"/>
        <source>Journal file:</source>
        <translation>记录文件：</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="128"/>
        <source>No radio has been programmed yet.</source>
        <translation>还没有写过任何对讲机。</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="129"/>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="129"/>
        <source>Master</source>
        <translation>母版</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="129"/>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="129"/>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="130"/>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="130"/>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="130"/>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="130"/>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="133"/>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="134"/>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <location filename="../shell/journalwindow.cpp" line="135"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../model/texts.cpp" line="134"/>
        <source>English</source>
        <comment>the name of this language, in this language</comment>
        <translation>中文</translation>
    </message>
</context>
<context>
    <name>ProgramCommand</name>
    <message>
        <location filename="../cli/program.cpp" line="135"/>
        <source>connect radio %1 again and press Enter to try it again; n for the next radio; q to stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../cli/program.cpp" line="141"/>
        <source>connect radio %1 of %2 and press Enter; q to stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../cli/program.cpp" line="145"/>
        <source>connect radio %1 and press Enter; q to stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../cli/program.cpp" line="193"/>
        <location filename="../cli/program.cpp" line="375"/>
        <source>Warning: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../cli/program.cpp" line="204"/>
        <source>The journal %1 cannot be written (%2).</source>
        <translation type="unfinished">无法写入写频记录 %1（%2）。</translation>
    </message>
    <message>
        <location filename="../cli/program.cpp" line="208"/>
        <source>radio %1: %2 %3 %4 %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../cli/program.cpp" line="216"/>
        <source>, backup %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../cli/program.cpp" line="263"/>
        <source>%1 of %2 radio(s) written and checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../cli/program.cpp" line="267"/>
        <source>Radios written and checked: %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../cli/program.cpp" line="372"/>
        <source>Error in the master: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../cli/program.cpp" line="380"/>
        <source>No radio was programmed: mend the master first.</source>
        <translation type="unfinished">未写入任何对讲机：请先修正母版。</translation>
    </message>
</context>
<context>
    <name>ProgramRadiosWindow</name>
    <message>
        <location filename="../shell/programradiosports.cpp" line="94"/>
        <source>A radio is being programmed on this port; wait until it is done.</source>
        <translation>此端口正在写入对讲机，请等它完成。</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="165"/>
        <source>No radio was programmed: choose the master file first.</source>
        <translation>未写入任何对讲机：请先选择母版文件。</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="170"/>
        <source>No radio was programmed: mend the master first.</source>
        <translation>未写入任何对讲机：请先修正母版。</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="176"/>
        <source>The main window is exchanging with a radio; press Start again when it is done.</source>
        <translation>主窗口正在与对讲机通信，完成后请再按“开始”。</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="208"/>
        <source>The journal %1 cannot be written (%2).</source>
        <translation>无法写入写频记录 %1（%2）。</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="219"/>
        <source>Written and checked: %1    Failed: %2</source>
        <translation>已写入并校验：%1    失败：%2</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="256"/>
        <source>Radios are being programmed; close the window once they are done.</source>
        <translation>正在写入对讲机，完成后再关闭窗口。</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="282"/>
        <source>Program radios</source>
        <translation>批量写频</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="283"/>
        <source>Master</source>
        <translation>母版</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="284"/>
        <source>The editor&apos;s contents</source>
        <translation>编辑器中的内容</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="285"/>
        <source>A data file</source>
        <translation>数据文件</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="286"/>
        <source>Master file...</source>
        <translation>母版文件...</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="287"/>
        <source>Ports</source>
        <translation>端口</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="288"/>
        <source>Another port (COM5, /dev/ttyUSB1)</source>
        <translation>其他端口（COM5、/dev/ttyUSB1）</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="289"/>
        <source>Add port</source>
        <translation>添加端口</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="290"/>
        <source>Radios on each port</source>
        <translation>各端口的对讲机</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="291"/>
        <source>Check a port to program radios on it.</source>
        <translation>勾选一个端口，即可在该端口上写入对讲机。</translation>
    </message>
    <message>
        <location filename="../shell/programradioswindow.cpp" line="292"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../shell/programradiosmaster.cpp" line="52"/>
        <source>No master file chosen.</source>
        <translation>尚未选择母版文件。</translation>
    </message>
    <message>
        <location filename="../shell/programradiosmaster.cpp" line="53"/>
        <location filename="../shell/programradiosmaster.cpp" line="59"/>
        <source>Master: %1</source>
        <translation>母版：%1</translation>
    </message>
    <message>
        <location filename="../shell/programradiosmaster.cpp" line="54"/>
        <source>Choose the master file with Master file....</source>
        <translation>请用“母版文件...”选择母版文件。</translation>
    </message>
    <message>
        <location filename="../shell/programradiosmaster.cpp" line="62"/>
        <source>The radio cannot hold this master as it is; no radio is programmed until it is mended:</source>
        <translation>对讲机无法按原样保存此母版，修正之前不会写入任何对讲机：</translation>
    </message>
    <message>
        <location filename="../shell/programradiosmaster.cpp" line="68"/>
        <source>The master can be written as it is.</source>
        <translation>母版可以按原样写入。</translation>
    </message>
    <message>
        <location filename="../shell/programradiosmaster.cpp" line="71"/>
        <source>Note:</source>
        <translation>注意：</translation>
    </message>
</context>
<context>
    <name>ProgrammedRadiosTable</name>
    <message>
        <location filename="../shell/programmedradiostable.cpp" line="68"/>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <location filename="../shell/programmedradiostable.cpp" line="68"/>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <location filename="../shell/programmedradiostable.cpp" line="68"/>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <location filename="../shell/programmedradiostable.cpp" line="68"/>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <location filename="../shell/programmedradiostable.cpp" line="69"/>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <location filename="../shell/programmedradiostable.cpp" line="69"/>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <location filename="../shell/programmedradiostable.cpp" line="69"/>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
</context>
<context>
    <name>RadioLineGroup</name>
    <message>
        <location filename="../shell/radiolinegroup.cpp" line="116"/>
        <source>Connect the next radio and press Start (Enter).</source>
        <translation>连接下一台对讲机，然后按“开始”（回车）。</translation>
    </message>
    <message>
        <location filename="../shell/radiolinegroup.cpp" line="122"/>
        <source>Radio %1: being programmed...</source>
        <translation>第 %1 台：正在写入……</translation>
    </message>
    <message>
        <location filename="../shell/radiolinegroup.cpp" line="123"/>
        <location filename="../shell/radiolinegroup.cpp" line="127"/>
        <source>Leave the radio connected until it is done.</source>
        <translation>完成之前请勿断开对讲机。</translation>
    </message>
    <message>
        <location filename="../shell/radiolinegroup.cpp" line="126"/>
        <source>Radio %1: look at the changes, then choose Write or Cancel.</source>
        <translation>第 %1 台：请查看改动，然后选择“写入”或“取消”。</translation>
    </message>
    <message>
        <location filename="../shell/radiolinegroup.cpp" line="130"/>
        <source>Radio %1: %2.</source>
        <translation>第 %1 台：%2。</translation>
    </message>
    <message>
        <location filename="../shell/radiolinegroup.cpp" line="133"/>
        <source>Connect radio %1 again and press Retry, or connect the next radio and press Start (Enter).</source>
        <translation>重新连接第 %1 台并按“重试”，或连接下一台对讲机并按“开始”（回车）。</translation>
    </message>
    <message>
        <location filename="../shell/radiolinegroup.cpp" line="167"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <location filename="../shell/radiolinegroup.cpp" line="168"/>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <location filename="../shell/radiolinegroup.cpp" line="169"/>
        <source>Programs the radio that failed again, under its number.</source>
        <translation>以原来的编号重新写入失败的对讲机。</translation>
    </message>
</context>
<context>
    <name>RadioOutcome</name>
    <message>
        <location filename="../shell/radiooutcome.cpp" line="17"/>
        <source>written and checked</source>
        <translation>已写入并校验</translation>
    </message>
    <message>
        <location filename="../shell/radiooutcome.cpp" line="19"/>
        <source>refused: other band</source>
        <translation>已拒绝：频段不同</translation>
    </message>
    <message>
        <location filename="../shell/radiooutcome.cpp" line="21"/>
        <source>failed: no answer</source>
        <translation>失败：无应答</translation>
    </message>
    <message>
        <location filename="../shell/radiooutcome.cpp" line="23"/>
        <source>failed: check differs</source>
        <translation>失败：校验不符</translation>
    </message>
    <message>
        <location filename="../shell/radiooutcome.cpp" line="25"/>
        <source>failed: port not opened</source>
        <translation>失败：端口未打开</translation>
    </message>
    <message>
        <location filename="../shell/radiooutcome.cpp" line="27"/>
        <source>failed: backup not saved</source>
        <translation>失败：备份未保存</translation>
    </message>
    <message>
        <location filename="../shell/radiooutcome.cpp" line="29"/>
        <source>stopped before the write</source>
        <translation>写入前已停止</translation>
    </message>
</context>
</TS>
