<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect radio %1 of %2 and press Enter; q to stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect radio %1 and press Enter; q to stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal %1 cannot be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radio %1: %2 %3 %4 %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, backup %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written and checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused: other band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed: no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed: check differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed: port not opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed: backup not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped before the write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 radio(s) written and checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radios written and checked: %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in the master: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No radio was programmed: mend the master first.</source>
        <translation type="unfinished"></translation>
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
</TS>
