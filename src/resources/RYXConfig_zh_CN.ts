<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AIChannelDialog</name>
    <message>
        <source>Analog Input Channel</source>
        <translation>模拟输入通道</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>电流</translation>
    </message>
    <message>
        <source>Input Type:</source>
        <translation>输入类型:</translation>
    </message>
</context>
<context>
    <name>AIModuleDialog</name>
    <message>
        <source>Analog Input Module</source>
        <translation>模拟输入模块</translation>
    </message>
    <message>
        <source>There are no module level configurable parameters, please select a channel.</source>
        <translation>模块级没有可配置的参数,请选择一个通道。</translation>
    </message>
</context>
<context>
    <name>AOChannelDialog</name>
    <message>
        <source>Analog Output Channel</source>
        <translation>模拟输出通道</translation>
    </message>
    <message>
        <source>Channel Not Used</source>
        <translation>通道未使用</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>标签:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>Milliamps</source>
        <translation>毫安</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>输出类型:</translation>
    </message>
    <message>
        <source>Output Zero:</source>
        <translation>输出零点:</translation>
    </message>
    <message>
        <source>Output Full:</source>
        <translation>输出满量程:</translation>
    </message>
    <message>
        <source>Under-Range:</source>
        <translation>欠量程:</translation>
    </message>
    <message>
        <source>Over-Range:</source>
        <translation>超量程:</translation>
    </message>
    <message>
        <source>Output Damping:</source>
        <translation>输出阻尼:</translation>
    </message>
    <message>
        <source>Specifies the amount of time it takes for the output to go halfway to the new value</source>
        <translation>指定输出到达新值一半所需的时间</translation>
    </message>
    <message>
        <source>Scaling</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Output Scaling</source>
        <translation>输出缩放</translation>
    </message>
    <message>
        <source>Scaling Zero:</source>
        <translation>缩放零点:</translation>
    </message>
    <message>
        <source>Scaling Full:</source>
        <translation>缩放满量程:</translation>
    </message>
    <message>
        <source>Output On Failure</source>
        <translation>故障时输出</translation>
    </message>
    <message>
        <source>Hold Last</source>
        <translation>保持最后值</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设值</translation>
    </message>
    <message>
        <source>Predefined Value:</source>
        <translation>预定义值:</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>微调</translation>
    </message>
    <message>
        <source>Loop Test</source>
        <translation>回路测试</translation>
    </message>
    <message>
        <source>Custom Engineering Units:</source>
        <translation>自定义工程单位:</translation>
    </message>
    <message>
        <source>Limits: -0.25 to 11 V</source>
        <translation>限值: -0.25 至 11 V</translation>
    </message>
    <message>
        <source>Limits: 0 to 23.6 mA</source>
        <translation>限值: 0 至 23.6 mA</translation>
    </message>
</context>
<context>
    <name>AOChannelObject</name>
    <message>
        <source>Channel Fail</source>
        <translation>通道故障</translation>
    </message>
    <message>
        <source>Channel Disabled</source>
        <translation>通道已禁用</translation>
    </message>
    <message>
        <source>SRAM Fail</source>
        <translation>SRAM 故障</translation>
    </message>
    <message>
        <source>FLASH Fail</source>
        <translation>FLASH 故障</translation>
    </message>
    <message>
        <source>EEPROM Fail</source>
        <translation>EEPROM 故障</translation>
    </message>
    <message>
        <source>Front-End Reset</source>
        <translation>前端复位</translation>
    </message>
    <message>
        <source>Low-Current Error</source>
        <translation>低电流错误</translation>
    </message>
    <message>
        <source>Error in Producer Channel</source>
        <translation>生产者通道错误</translation>
    </message>
    <message>
        <source>PV Invalid</source>
        <translation>PV 无效</translation>
    </message>
    <message>
        <source>PV too small</source>
        <translation>PV 过小</translation>
    </message>
    <message>
        <source>PV too large</source>
        <translation>PV 过大</translation>
    </message>
    <message>
        <source>There is a problem with the data.</source>
        <translation>数据有问题。</translation>
    </message>
    <message>
        <source>station %1, module %2, channel %3</source>
        <translation>站点 %1,模块 %2,通道 %3</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(无)</translation>
    </message>
    <message>
        <source>%1 %2: output set to %3</source>
        <translation>%1 %2: 输出已设为 %3</translation>
    </message>
    <message>
        <source>%1 %2: the output could not be set to %3</source>
        <translation>%1 %2: 无法将输出设为 %3</translation>
    </message>
    <message>
        <source>%1 %2: output control closed, the output stays at its last value</source>
        <translation>%1 %2: 输出控制已关闭,输出保持最后的值</translation>
    </message>
    <message>
        <source>Failed to read Status</source>
        <translation>读取状态失败</translation>
    </message>
    <message>
        <source>Failed to read PV</source>
        <translation>读取 PV 失败</translation>
    </message>
</context>
<context>
    <name>AOControlOutputDialog</name>
    <message>
        <source>Analog Output Loop Test</source>
        <translation>模拟输出回路测试</translation>
    </message>
    <message>
        <source>Analog Output Trimming</source>
        <translation>模拟输出微调</translation>
    </message>
    <message>
        <source>Caution: this window drives the real output of %1. Equipment connected to it follows every value set here.</source>
        <translation>注意:此窗口驱动 %1 的实际输出。与其连接的设备会跟随此处设置的每个值。</translation>
    </message>
    <message>
        <source>Valid Range: %1 to %2 </source>
        <translation>有效范围: %1 至 %2 </translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>接受</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The station is not connected: the output was not changed.</source>
        <translation>站点未连接:输出未更改。</translation>
    </message>
    <message>
        <source>Not a number: the output was not changed.</source>
        <translation>不是数字:输出未更改。</translation>
    </message>
</context>
<context>
    <name>AOModuleDialog</name>
    <message>
        <source>aommodule</source>
        <translation>AO 模块</translation>
    </message>
    <message>
        <source>There are no configurable parameters for the AOM, please select a channel.</source>
        <translation>AOM 没有可配置的参数,请选择一个通道。</translation>
    </message>
</context>
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version </source>
        <translation>版本 </translation>
    </message>
    <message>
        <source>Part Number </source>
        <translation>部件号 </translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About RYXConfig</source>
        <translation>关于 RYXConfig</translation>
    </message>
    <message>
        <source>&lt;b&gt;RYX Configuration Program&lt;/b&gt;</source>
        <translation>&lt;b&gt;RYX 配置程序&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Configuration of RYX modular I/O stations.</source>
        <translation>RYX 模块化 I/O 站的配置。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ComboBoxCtl</name>
    <message>
        <source>[Select...]</source>
        <translation>[请选择...]</translation>
    </message>
    <message>
        <source>RTD</source>
        <translation>RTD</translation>
    </message>
    <message>
        <source>milliVolts</source>
        <translation>毫伏</translation>
    </message>
    <message>
        <source>Ohms</source>
        <translation>欧姆</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>热电偶</translation>
    </message>
    <message>
        <source>T/C w/o RJC</source>
        <translation>无参考端补偿热电偶</translation>
    </message>
    <message>
        <source>Potentiometer</source>
        <translation>电位器</translation>
    </message>
    <message>
        <source>Platinum 3850</source>
        <translation>铂 3850</translation>
    </message>
    <message>
        <source>Platinum 3902</source>
        <translation>铂 3902</translation>
    </message>
    <message>
        <source>Platinum 3916</source>
        <translation>铂 3916</translation>
    </message>
    <message>
        <source>Nickel 0672</source>
        <translation>镍 0672</translation>
    </message>
    <message>
        <source>Copper 0427</source>
        <translation>铜 0427</translation>
    </message>
    <message>
        <source>100 Ohms</source>
        <translation>100 欧姆</translation>
    </message>
    <message>
        <source>200 Ohms</source>
        <translation>200 欧姆</translation>
    </message>
    <message>
        <source>300 Ohms</source>
        <translation>300 欧姆</translation>
    </message>
    <message>
        <source>400 Ohms</source>
        <translation>400 欧姆</translation>
    </message>
    <message>
        <source>500 Ohms</source>
        <translation>500 欧姆</translation>
    </message>
    <message>
        <source>1000 Ohms</source>
        <translation>1000 欧姆</translation>
    </message>
    <message>
        <source>2 Wire</source>
        <translation>2 线</translation>
    </message>
    <message>
        <source>3 Wire</source>
        <translation>3 线</translation>
    </message>
    <message>
        <source>4 Wire</source>
        <translation>4 线</translation>
    </message>
    <message>
        <source>4000 Ohms</source>
        <translation>4000 欧姆</translation>
    </message>
    <message>
        <source>2000 Ohms</source>
        <translation>2000 欧姆</translation>
    </message>
    <message>
        <source>250 Ohms</source>
        <translation>250 欧姆</translation>
    </message>
    <message>
        <source>degC</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>degF</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>5 ms</source>
        <translation>5 ms</translation>
    </message>
    <message>
        <source>10 ms</source>
        <translation>10 ms</translation>
    </message>
    <message>
        <source>25 ms</source>
        <translation>25 ms</translation>
    </message>
    <message>
        <source>50 ms</source>
        <translation>50 ms</translation>
    </message>
</context>
<context>
    <name>CommsConfigForm</name>
    <message>
        <source>Configure Communications</source>
        <translation>配置通信</translation>
    </message>
    <message>
        <source>Physical Connection</source>
        <translation>物理连接</translation>
    </message>
    <message>
        <source>RS 232</source>
        <translation>RS 232</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>RS 232 Connection</source>
        <translation>RS 232 连接</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>COM 1</source>
        <translation>COM 1</translation>
    </message>
    <message>
        <source>COM 2</source>
        <translation>COM 2</translation>
    </message>
    <message>
        <source>COM 3</source>
        <translation>COM 3</translation>
    </message>
    <message>
        <source>COM 4</source>
        <translation>COM 4</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Other Port</source>
        <translation>其他端口</translation>
    </message>
    <message>
        <source>A port number or a device path such as /dev/ttyUSB0</source>
        <translation>端口号或设备路径，例如 /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>Reply Time-out</source>
        <translation>响应超时</translation>
    </message>
    <message>
        <source>How long to wait for the station&apos;s answer to each request</source>
        <translation>等待站点响应每个请求的时间</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>TCP/IP Connection</source>
        <translation>TCP/IP 连接</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>CommsSetup</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a station address. Enter a host name or IP address, optionally followed by &quot;:&quot; and a port number from 1 to 65535.</source>
        <translation>“%1”不是站点地址。请输入主机名或 IP 地址，后面可跟“:”和 1 到 65535 之间的端口号。</translation>
    </message>
    <message>
        <source>Failed to open COM port, it may be in use.</source>
        <translation>无法打开 COM 端口，它可能正在使用中。</translation>
    </message>
</context>
<context>
    <name>ConfigBaseDialog</name>
    <message>
        <source>Allowed: %1.</source>
        <translation>允许：%1。</translation>
    </message>
    <message>
        <source>Not valid.</source>
        <translation>无效。</translation>
    </message>
    <message>
        <source>The device cannot take it: %1</source>
        <translation>设备无法接受：%1</translation>
    </message>
    <message>
        <source>letters, digits and &quot;_&quot; only, not beginning with a digit</source>
        <translation>只能包含字母、数字和“_”，且不能以数字开头</translation>
    </message>
    <message>
        <source>at most 24 letters, digits and underscores, not starting with a digit</source>
        <translation>最多 24 个字母、数字和下划线,不能以数字开头</translation>
    </message>
    <message>
        <source>within the limits, at least the minimum span below Input Full</source>
        <translation>在限值之内,且至少比输入满量程低最小跨度</translation>
    </message>
    <message>
        <source>within the limits, at least the minimum span above Input Zero</source>
        <translation>在限值之内,且至少比输入零点高最小跨度</translation>
    </message>
    <message>
        <source>Scaling Zero and Scaling Full at least 0.001 apart</source>
        <translation>缩放零点与缩放满量程至少相差 0.001</translation>
    </message>
    <message>
        <source>at most 8 characters</source>
        <translation>最多 8 个字符</translation>
    </message>
    <message>
        <source>a unit must be chosen while the ambient temperature is measured</source>
        <translation>测量环境温度时必须选择单位</translation>
    </message>
    <message>
        <source>within the limits of the output type</source>
        <translation>在输出类型的限值之内</translation>
    </message>
    <message>
        <source>within the limits of the output type, at least 0.9997 below Output Full</source>
        <translation>在输出类型的限值之内,且至少比输出满量程低 0.9997</translation>
    </message>
    <message>
        <source>within the limits of the output type, at least 0.9997 above Output Zero</source>
        <translation>在输出类型的限值之内,且至少比输出零点高 0.9997</translation>
    </message>
    <message>
        <source>from 0 to 30 seconds</source>
        <translation>0 至 30 秒</translation>
    </message>
</context>
<context>
    <name>CustomCurveChart</name>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>CustomCurveCsv</name>
    <message>
        <source>Failed to open the requested file.
</source>
        <translation>无法打开所请求的文件。
</translation>
    </message>
    <message>
        <source>Line %1 did not contain two values with a comman in between, aborting.
</source>
        <translation>第 %1 行不包含以逗号分隔的两个值,已中止。
</translation>
    </message>
    <message>
        <source>Could not convert the X value from line %1 to a float, aborting.</source>
        <translation>无法将第 %1 行的 X 值转换为浮点数,已中止。</translation>
    </message>
    <message>
        <source>Could not convert the Y value from line %1 to a float, aborting.</source>
        <translation>无法将第 %1 行的 Y 值转换为浮点数,已中止。</translation>
    </message>
    <message>
        <source>A custom curve must contain at least two points</source>
        <translation>自定义曲线必须至少包含两个点</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB, far larger than a custom curve of %1 points; it was not read.</source>
        <translation>文件大于 1 MiB,远超 %1 个点的自定义曲线;未读取。</translation>
    </message>
</context>
<context>
    <name>CustomCurvePluginForm</name>
    <message>
        <source>Custom Curve</source>
        <translation>自定义曲线</translation>
    </message>
    <message>
        <source>Number of Points:</source>
        <translation>点数:</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>DIModuleDialog</name>
    <message>
        <source>Digital Input Module</source>
        <translation>数字输入模块</translation>
    </message>
    <message>
        <source>Debounce Time:</source>
        <translation>去抖时间:</translation>
    </message>
</context>
<context>
    <name>DIModuleObject</name>
    <message>
        <source>CLOSED</source>
        <translation>闭合</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>断开</translation>
    </message>
    <message>
        <source> Patched!</source>
        <translation> 已修补!</translation>
    </message>
    <message>
        <source> No patching necessary!</source>
        <translation> 无需修补!</translation>
    </message>
</context>
<context>
    <name>DIModuleVDialog</name>
    <message>
        <source>Digital Input Module V</source>
        <translation>数字输入模块 V</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
</context>
<context>
    <name>DIModuleVLObject</name>
    <message>
        <source>HIGH</source>
        <translation>高</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>低</translation>
    </message>
</context>
<context>
    <name>DeviceComparison</name>
    <message>
        <source>%1: %2 is &quot;%3&quot;, the device holds &quot;%4&quot;</source>
        <translation>%1：%2 为“%3”，设备中为“%4”</translation>
    </message>
</context>
<context>
    <name>DiscreteIOControlDialog</name>
    <message>
        <source>Discrete I/O Control</source>
        <translation>离散 I/O 控制</translation>
    </message>
    <message>
        <source>Output Control</source>
        <translation>输出控制</translation>
    </message>
    <message>
        <source>Input Control</source>
        <translation>输入控制</translation>
    </message>
    <message>
        <source>Reads, writes and displays the current state of the relays (not a configuration setting)</source>
        <translation>读取、写入并显示继电器的当前状态(不是配置设置)</translation>
    </message>
    <message>
        <source>Reads and displays the current state of the inputs (not a configuration setting)</source>
        <translation>读取并显示输入的当前状态(不是配置设置)</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>通道 %1</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DiscreteModuleDialog</name>
    <message>
        <source>Channel Not Used</source>
        <translation>通道未使用</translation>
    </message>
    <message>
        <source>Module Settings</source>
        <translation>模块设置</translation>
    </message>
    <message>
        <source>Output Test</source>
        <translation>输出测试</translation>
    </message>
    <message>
        <source>Input Test</source>
        <translation>输入测试</translation>
    </message>
    <message>
        <source>Relays</source>
        <translation>继电器</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Power Up State</source>
        <translation>上电状态</translation>
    </message>
    <message>
        <source>Output On Fail</source>
        <translation>故障时输出</translation>
    </message>
    <message>
        <source>Fail Response</source>
        <translation>故障响应</translation>
    </message>
    <message>
        <source>When checked, indicates that the corresponding channel should be energized at powerup</source>
        <translation>选中时,表示相应通道在上电时应通电</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>保持</translation>
    </message>
</context>
<context>
    <name>DiscreteModuleObject</name>
    <message>
        <source>I/O Channel Fail</source>
        <translation>I/O 通道故障</translation>
    </message>
    <message>
        <source>Channel Disabled</source>
        <translation>通道已禁用</translation>
    </message>
    <message>
        <source>SRAM Failure</source>
        <translation>SRAM 故障</translation>
    </message>
    <message>
        <source>FLASH Failure</source>
        <translation>FLASH 故障</translation>
    </message>
    <message>
        <source>EEPROM Checksum error</source>
        <translation>EEPROM 校验和错误</translation>
    </message>
    <message>
        <source>Front-end reset occured</source>
        <translation>发生前端复位</translation>
    </message>
    <message>
        <source>LED Port Error</source>
        <translation>LED 端口错误</translation>
    </message>
    <message>
        <source> upload warning!  This module&apos;s tag information could not be read.</source>
        <translation> 上传警告!无法读取此模块的标签信息。</translation>
    </message>
    <message>
        <source> download warning!  This module&apos;s tag information could not be written.</source>
        <translation> 下载警告!无法写入此模块的标签信息。</translation>
    </message>
    <message>
        <source> Failed to read MT, cannot patch (old TIM FW)!</source>
        <translation> 读取 MT 失败,无法修补(旧版 TIM 固件)!</translation>
    </message>
    <message>
        <source>patch failure!</source>
        <translation>修补失败!</translation>
    </message>
    <message>
        <source>Failed to read Status.</source>
        <translation>读取状态失败。</translation>
    </message>
    <message>
        <source>Failed to read PV</source>
        <translation>读取 PV 失败</translation>
    </message>
    <message>
        <source>Error in Producer Channel</source>
        <translation>生产者通道错误</translation>
    </message>
</context>
<context>
    <name>EIMConfigurationForm</name>
    <message>
        <source>Ethernet Interface Configuration</source>
        <translation>以太网接口配置</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>站点名称</translation>
    </message>
    <message>
        <source>Specifies the Device&apos;s Descriptor.  This is also the Server Name property set by the Trivet Client</source>
        <translation>指定设备的描述符。这也是 Trivet 客户端设置的服务器名称属性</translation>
    </message>
    <message>
        <source>Station Location</source>
        <translation>站点位置</translation>
    </message>
    <message>
        <source>Specifies the Device&apos;s Location.  This is also the Server Location property set by the Trivet Client</source>
        <translation>指定设备的位置。这也是 Trivet 客户端设置的服务器位置属性</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>MODBUS Floating Point Word Order</source>
        <translation>MODBUS 浮点字顺序</translation>
    </message>
    <message>
        <source>Standard (LSW first)</source>
        <translation>标准（低字在前）</translation>
    </message>
    <message>
        <source>Swapped (MSW first)</source>
        <translation>交换（高字在前）</translation>
    </message>
</context>
<context>
    <name>EIModuleObject</name>
    <message>
        <source>Add Module</source>
        <translation>添加模块</translation>
    </message>
    <message>
        <source>You may not add a module to a device that is online</source>
        <translation>不能向在线设备添加模块</translation>
    </message>
    <message>
        <source>The number of IO modules is limited to %1.</source>
        <translation>I/O 模块的数量限制为 %1 个。</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Connecting %1</source>
        <translation>正在连接 %1</translation>
    </message>
    <message>
        <source>Compatible %1 detected.</source>
        <translation>检测到兼容的 %1。</translation>
    </message>
    <message>
        <source>Synchronizing with connected device...</source>
        <translation>正在与已连接的设备同步...</translation>
    </message>
    <message>
        <source>Synchronization Complete!</source>
        <translation>同步完成！</translation>
    </message>
    <message>
        <source>Downloading Configuration Data %1</source>
        <translation>正在下载 %1 的配置数据</translation>
    </message>
    <message>
        <source>Uploading Configuration Data %1</source>
        <translation>正在上传 %1 的配置数据</translation>
    </message>
    <message>
        <source>download failure!</source>
        <translation>下载失败！</translation>
    </message>
    <message>
        <source>upload failure!</source>
        <translation>上传失败！</translation>
    </message>
    <message>
        <source>download aborted!</source>
        <translation>下载已中止！</translation>
    </message>
    <message>
        <source>There is a problem with the data.</source>
        <translation>数据有问题。</translation>
    </message>
    <message>
        <source>%1 Download Configuration Data success!</source>
        <translation>%1 下载配置数据成功！</translation>
    </message>
    <message>
        <source>%1 Upload Configuration Data success!</source>
        <translation>%1 上传配置数据成功！</translation>
    </message>
    <message>
        <source>Scan Mode succesfully written to xIM</source>
        <translation>已成功将扫描模式写入 xIM</translation>
    </message>
    <message>
        <source>Scan Mode write failure</source>
        <translation>写入扫描模式失败</translation>
    </message>
    <message>
        <source>Scan Mode succesfully read from xIM</source>
        <translation>已成功从 xIM 读取扫描模式</translation>
    </message>
    <message>
        <source>Scan Mode read failure</source>
        <translation>读取扫描模式失败</translation>
    </message>
    <message>
        <source>Interface Module Status</source>
        <translation>接口模块状态</translation>
    </message>
    <message>
        <source>Station Clock</source>
        <translation>站点时钟</translation>
    </message>
    <message>
        <source>Failed to read Interface Module Status</source>
        <translation>无法读取接口模块状态</translation>
    </message>
    <message>
        <source>MODBUS Peer to Peer Status Word (hex): %1</source>
        <translation>MODBUS 点对点状态字（十六进制）：%1</translation>
    </message>
    <message>
        <source>CPS On Board Discrete Input %1 %2</source>
        <translation>CPS 板载开关量输入 %1 %2</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>闭合</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>HelpSelector</name>
    <message>
        <source>Select Inteface Module</source>
        <translation>选择接口模块</translation>
    </message>
    <message>
        <source>RYX EMM - Ethernet Modbus Module</source>
        <translation>RYX EMM - 以太网 Modbus 模块</translation>
    </message>
    <message>
        <source>RYX EIM - Ethernet Interface Module</source>
        <translation>RYX EIM - 以太网接口模块</translation>
    </message>
    <message>
        <source>RYX MIM - Modbus Interface Module</source>
        <translation>RYX MIM - Modbus 接口模块</translation>
    </message>
    <message>
        <source>Ombra - micro RYX system</source>
        <translation>Ombra - 微型 RYX 系统</translation>
    </message>
    <message>
        <source>DORV - Cathodic Protection Monitoring System</source>
        <translation>DORV - 阴极保护监测系统</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
</context>
<context>
    <name>HelpSelectorImpl</name>
    <message>
        <source>RYX Config</source>
        <translation>RYX Config</translation>
    </message>
    <message>
        <source>The manual &quot;%1&quot; was not found in the current directory or beside the program.</source>
        <translation>在当前目录和程序所在目录中均未找到手册“%1”。</translation>
    </message>
    <message>
        <source>The manual &quot;%1&quot; could not be opened: no viewer for it is set up on this computer.</source>
        <translation>无法打开手册“%1”：此计算机上未设置可打开它的查看器。</translation>
    </message>
</context>
<context>
    <name>InputCapture</name>
    <message>
        <source>Input Zero Capture</source>
        <translation>输入零点采集</translation>
    </message>
    <message>
        <source>Input Full Capture</source>
        <translation>输入满量程采集</translation>
    </message>
    <message>
        <source>Trimming Zero Capture</source>
        <translation>微调零点采集</translation>
    </message>
    <message>
        <source>Trimming Full Capture</source>
        <translation>微调满量程采集</translation>
    </message>
    <message>
        <source>Error, aborted!</source>
        <translation>错误,已中止!</translation>
    </message>
    <message>
        <source>Broken Wire detected, aborted!</source>
        <translation>检测到断线,已中止!</translation>
    </message>
    <message>
        <source>Failed to respond in alotted 20 Seconds, aborted!!</source>
        <translation>未在规定的 20 秒内响应,已中止!!</translation>
    </message>
    <message>
        <source>This IO Channel has failed, aborted!!</source>
        <translation>此 I/O 通道故障,已中止!!</translation>
    </message>
</context>
<context>
    <name>InputCaptureDialog</name>
    <message>
        <source>Module: %1 Channel: %2</source>
        <translation>模块: %1 通道: %2</translation>
    </message>
    <message>
        <source>Please wait while capturing input...</source>
        <translation>正在采集输入,请稍候...</translation>
    </message>
    <message>
        <source>Captured Value: %1</source>
        <translation>采集值: %1</translation>
    </message>
    <message>
        <source>Click Accept to use this data</source>
        <translation>单击“接受”以使用此数据</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>接受</translation>
    </message>
</context>
<context>
    <name>InputCaptureForm</name>
    <message>
        <source>Input Capture</source>
        <translation>输入采集</translation>
    </message>
    <message>
        <source>Module: X Channel: Y</source>
        <translation>模块: X 通道: Y</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>活动</translation>
    </message>
    <message>
        <source>Please apply input to be captured</source>
        <translation>请施加要采集的输入</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>下一步 &gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>InputChannelDialog</name>
    <message>
        <source>Channel Not Used</source>
        <translation>通道未使用</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>标签:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Input Range</source>
        <translation>输入范围</translation>
    </message>
    <message>
        <source>Input Zero:</source>
        <translation>输入零点:</translation>
    </message>
    <message>
        <source>Input Full:</source>
        <translation>输入满量程:</translation>
    </message>
    <message>
        <source>Capture Lower</source>
        <translation>采集下限</translation>
    </message>
    <message>
        <source>Capture Upper</source>
        <translation>采集上限</translation>
    </message>
    <message>
        <source>Input Failure Response</source>
        <translation>输入故障响应</translation>
    </message>
    <message>
        <source>Hold Last</source>
        <translation>保持最后值</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设值</translation>
    </message>
    <message>
        <source>Predefined Value:</source>
        <translation>预定义值:</translation>
    </message>
    <message>
        <source>Scaling</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Input Scaling</source>
        <translation>输入缩放</translation>
    </message>
    <message>
        <source>Scaling Zero:</source>
        <translation>缩放零点:</translation>
    </message>
    <message>
        <source>Scaling Full:</source>
        <translation>缩放满量程:</translation>
    </message>
    <message>
        <source>Custom Curve</source>
        <translation>自定义曲线</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>微调</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>滤波器</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>Custom Engineering Units:</source>
        <translation>自定义工程单位:</translation>
    </message>
    <message>
        <source>Limits: %1 to %2</source>
        <translation>限值: %1 至 %2</translation>
    </message>
    <message>
        <source>Minimum Span: %1</source>
        <translation>最小跨度: %1</translation>
    </message>
</context>
<context>
    <name>MIModuleForm</name>
    <message>
        <source>Modbus Interface Module</source>
        <translation>Modbus 接口模块</translation>
    </message>
    <message>
        <source>&lt;b&gt;Modbus Interface Module&lt;/b&gt;</source>
        <translation>&lt;b&gt;Modbus 接口模块&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Interface Module Settings</source>
        <translation>接口模块设置</translation>
    </message>
    <message>
        <source>Process Status</source>
        <translation>过程状态</translation>
    </message>
    <message>
        <source>Monitor Process Data</source>
        <translation>监视过程数据</translation>
    </message>
    <message>
        <source>Internals (Factory Mode Only)</source>
        <translation>内部数据（仅限工厂模式）</translation>
    </message>
    <message>
        <source>Internals</source>
        <translation>内部数据</translation>
    </message>
</context>
<context>
    <name>PointValueCheck</name>
    <message>
        <source>is out of range (%1 to %2)</source>
        <translation>超出范围（%1 到 %2）</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>不是整数</translation>
    </message>
    <message>
        <source>is out of range for a float</source>
        <translation>超出 float 的范围</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>不是有限数</translation>
    </message>
    <message>
        <source>holds characters the device cannot store</source>
        <translation>包含设备无法存储的字符</translation>
    </message>
    <message>
        <source>is longer than the %1 characters the device field holds</source>
        <translation>超过设备字段可容纳的 %1 个字符</translation>
    </message>
    <message>
        <source>is not whole hex bytes</source>
        <translation>不是完整的十六进制字节</translation>
    </message>
    <message>
        <source>is longer than the %1 bytes of the device field</source>
        <translation>超过设备字段的 %1 个字节</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>%1 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>a number within the range of a float</source>
        <translation>float 范围内的数字</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>最多 %1 个字符</translation>
    </message>
    <message>
        <source>at most %1 bytes as hex digits</source>
        <translation>最多 %1 个字节（十六进制数字）</translation>
    </message>
    <message>
        <source>has a point type the device does not know</source>
        <translation>具有设备未知的点类型</translation>
    </message>
</context>
<context>
    <name>QWhatsThisAction</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>这是什么?</translation>
    </message>
</context>
<context>
    <name>ROModuleDialog</name>
    <message>
        <source>Relay Output Module</source>
        <translation>继电器输出模块</translation>
    </message>
    <message>
        <source>LEDs When Energized:</source>
        <translation>通电时 LED:</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
</context>
<context>
    <name>ROModuleObject</name>
    <message>
        <source>ENERGIZED</source>
        <translation>通电</translation>
    </message>
    <message>
        <source>DEENERGIZED</source>
        <translation>断电</translation>
    </message>
    <message>
        <source>... Patched!</source>
        <translation>... 已修补!</translation>
    </message>
    <message>
        <source>... No patching necessary!</source>
        <translation>... 无需修补!</translation>
    </message>
</context>
<context>
    <name>RYXChannel</name>
    <message>
        <source>, Channel %1</source>
        <translation>，通道 %1</translation>
    </message>
    <message>
        <source> Channel %1</source>
        <translation> 通道 %1</translation>
    </message>
    <message>
        <source>upload failure</source>
        <translation>上传失败</translation>
    </message>
    <message>
        <source>There is a problem with the data.</source>
        <translation>数据有问题。</translation>
    </message>
    <message>
        <source>%1 upload success!</source>
        <translation>%1 上传成功！</translation>
    </message>
    <message>
        <source>download failure!</source>
        <translation>下载失败！</translation>
    </message>
    <message>
        <source>%1...download success!</source>
        <translation>%1 下载成功！</translation>
    </message>
    <message>
        <source>synchronization failure!</source>
        <translation>同步失败！</translation>
    </message>
</context>
<context>
    <name>RYXClassInfo</name>
    <message>
        <source>MT Patcher</source>
        <translation>模块类型修补器</translation>
    </message>
    <message>
        <source>MODBUS Network</source>
        <translation>MODBUS 网络</translation>
    </message>
    <message>
        <source>TI Channel</source>
        <translation>TI 通道</translation>
    </message>
    <message>
        <source>AI Channel</source>
        <translation>AI 通道</translation>
    </message>
    <message>
        <source>AO Channel</source>
        <translation>AO 通道</translation>
    </message>
    <message>
        <source>Undetermined Module</source>
        <translation>未确定的模块</translation>
    </message>
    <message>
        <source>Undetermined</source>
        <translation>未确定</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Internals</source>
        <translation>内部数据</translation>
    </message>
    <message>
        <source>Process Data</source>
        <translation>过程数据</translation>
    </message>
</context>
<context>
    <name>RYXConfigWindow</name>
    <message>
        <source>RYX Configuration Program V</source>
        <translation>RYX 配置程序 V</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>This feature is not implemented.</source>
        <translation>此功能尚未实现。</translation>
    </message>
    <message>
        <source>Are you sure you would like to exit RYXConfig?</source>
        <translation>确定要退出 RYXConfig 吗？</translation>
    </message>
    <message>
        <source>These devices have changes that are not saved: %1.

Save them before exiting?</source>
        <translation>以下设备有未保存的更改：%1。

退出前保存吗？</translation>
    </message>
    <message>
        <source>Connect failed because:

Communications timed out.

Would you like to retry?</source>
        <translation>连接失败，原因：

通信超时。

是否重试？</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
</context>
<context>
    <name>RYXConfigurationText</name>
    <message>
        <source>Paste into %1</source>
        <translation>粘贴到 %1</translation>
    </message>
    <message>
        <source>Drag and Drop onto %1</source>
        <translation>拖放到 %1</translation>
    </message>
    <message>
        <source>%1 ignored, source and destination are the same.</source>
        <translation>%1 已忽略，源和目标相同。</translation>
    </message>
    <message>
        <source>%1 failed, the data was deemed incompatible.</source>
        <translation>%1 失败，数据不兼容。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Are you sure you want to replace the existing configuration (this is not reversable)?</source>
        <translation>确定要替换现有配置吗？（此操作不可撤销）</translation>
    </message>
    <message>
        <source>%1 succeeded.</source>
        <translation>%1 成功。</translation>
    </message>
    <message>
        <source>%1 was aborted.</source>
        <translation>%1 已中止。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Failed to parse the input file.</source>
        <translation>无法解析输入文件。</translation>
    </message>
    <message>
        <source>The information in the file is incompatible with 
the device it was loaded into. Would you like to create 
a new device to contain this information?</source>
        <translation>文件中的信息与加载到的设备
不兼容。是否创建
一个新设备来容纳这些信息？</translation>
    </message>
    <message>
        <source>These values cannot be sent to the device; the objects holding them are marked in error until they are mended:

</source>
        <translation>这些值无法发送到设备；在修正之前，包含它们的对象会被标记为错误：

</translation>
    </message>
    <message>
        <source>The file could not be written:

%1

%2</source>
        <translation>无法写入文件：

%1

%2</translation>
    </message>
</context>
<context>
    <name>RYXConnection</name>
    <message>
        <source>You cannot connect to a device that is not an Interface Module!</source>
        <translation>无法连接到非接口模块的设备！</translation>
    </message>
    <message>
        <source>Failed to open COM port, it may be in use.</source>
        <translation>无法打开 COM 端口，它可能正在使用中。</translation>
    </message>
</context>
<context>
    <name>RYXConnectionThread</name>
    <message>
        <source>Synhronization interrupted, Serial Number, Firmware Version and Process data may be invalid.</source>
        <translation>同步已中断，序列号、固件版本和过程数据可能无效。</translation>
    </message>
    <message>
        <source>Synchronization interrupted, Serial Number, Firmware Version and Process data may be invalid.

Please resynchronize before viewing these items.</source>
        <translation>同步已中断，序列号、固件版本和过程数据可能无效。

查看这些项目前请重新同步。</translation>
    </message>
    <message>
        <source>Disconnecting because:

Communication with the device was lost.

You must reconnect once the problem is resolved.</source>
        <translation>正在断开连接，原因：

与设备的通信已中断。

问题解决后必须重新连接。</translation>
    </message>
    <message>
        <source>Failure: Found different device</source>
        <translation>失败：发现不同的设备</translation>
    </message>
    <message>
        <source>Connect failed because:

The attached device is reporting an incorrect ID.

Please create and connect a device of the correct type.</source>
        <translation>连接失败，原因：

所连接的设备报告的 ID 不正确。

请创建并连接正确类型的设备。</translation>
    </message>
    <message>
        <source>Disconnecting because:

The connected device is reporting an incorrect ID.

You must reconnect once the problem is resolved.</source>
        <translation>正在断开连接，原因：

所连接的设备报告的 ID 不正确。

问题解决后必须重新连接。</translation>
    </message>
    <message>
        <source>Failure: Found different child module count</source>
        <translation>失败：发现子模块数量不同</translation>
    </message>
    <message>
        <source>Connect failed because:

The number of modules connected to the attached device is incorrect.

Create and connect either a device with no modules, 
or a device with the correct modules.</source>
        <translation>连接失败，原因：

所连接设备上的模块数量不正确。

请创建并连接一个没有模块的设备，
或一个带有正确模块的设备。</translation>
    </message>
    <message>
        <source>Disconnecting because:

The number of connected modules is incorrect.

You must reconnect once the problem is resolved.</source>
        <translation>正在断开连接，原因：

所连接模块的数量不正确。

问题解决后必须重新连接。</translation>
    </message>
    <message>
        <source>Failure: Found different child module type(s)</source>
        <translation>失败：发现子模块类型不同</translation>
    </message>
    <message>
        <source>Connect failed because:

The type(s) of connected module(s) is incorrect.

You must reconnect once the problem is resolved.</source>
        <translation>连接失败，原因：

所连接模块的类型不正确。

问题解决后必须重新连接。</translation>
    </message>
    <message>
        <source>Disconnecting because:

The type(s) of connected module(s) is incorrect.

You must reconnect once the problem is resolved.</source>
        <translation>正在断开连接，原因：

所连接模块的类型不正确。

问题解决后必须重新连接。</translation>
    </message>
    <message>
        <source>Attempting Connection</source>
        <translation>正在尝试连接</translation>
    </message>
    <message>
        <source>Connection was incomplete.</source>
        <translation>连接未完成。</translation>
    </message>
    <message>
        <source>Connection with device failed during Synhronization.</source>
        <translation>同步期间与设备的连接失败。</translation>
    </message>
    <message>
        <source>Connect failed because:

Communications were lost during Synchronization.

You must reconnect once the problem is resolved.</source>
        <translation>连接失败，原因：

同步期间通信中断。

问题解决后必须重新连接。</translation>
    </message>
    <message>
        <source>Connection was succesful.</source>
        <translation>连接成功。</translation>
    </message>
    <message>
        <source>Failure: Timeout</source>
        <translation>失败：超时</translation>
    </message>
    <message>
        <source>%1 %2 cancelled!</source>
        <translation>%1 %2 已取消！</translation>
    </message>
    <message>
        <source>The device may hold only part of this configuration.</source>
        <translation>设备可能只包含此配置的一部分。</translation>
    </message>
    <message>
        <source>The configuration shown may be only partly uploaded.</source>
        <translation>所显示的配置可能只上传了一部分。</translation>
    </message>
    <message>
        <source>Verifying Connection</source>
        <translation>正在验证连接</translation>
    </message>
    <message>
        <source>Communication with the device is OK, although there is a problem with the device.</source>
        <translation>与设备的通信正常，但设备存在问题。</translation>
    </message>
    <message>
        <source>Communication with the device has failed.</source>
        <translation>与设备的通信失败。</translation>
    </message>
    <message>
        <source>Disconnecting because:

Communication with the device has failed.

You must reconnect once the problem is resolved.</source>
        <translation>正在断开连接，原因：

与设备的通信失败。

问题解决后必须重新连接。</translation>
    </message>
    <message>
        <source> &lt;not specified&gt;</source>
        <translation> &lt;未指定&gt;</translation>
    </message>
    <message>
        <source>, online</source>
        <translation>，在线</translation>
    </message>
    <message>
        <source>, seeking</source>
        <translation>，正在查找</translation>
    </message>
    <message>
        <source>, offline</source>
        <translation>，离线</translation>
    </message>
</context>
<context>
    <name>RYXCustomCurveObjectPlugin</name>
    <message>
        <source>X Data must be strictly increasing with a minimim span of %1, linearization point # %2 is not.</source>
        <translation>X 数据必须严格递增,最小间隔为 %1,线性化点 # %2 不满足。</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>导入 CSV...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>导出 CSV...</translation>
    </message>
    <message>
        <source>RYX Config</source>
        <translation>RYX Config</translation>
    </message>
    <message>
        <source>A custom curve may contain a maximum of %1 points, truncating.</source>
        <translation>自定义曲线最多可包含 %1 个点,已截断。</translation>
    </message>
</context>
<context>
    <name>RYXDatabase</name>
    <message>
        <source>point &quot;%1&quot;: the value &quot;%2&quot; %3.</source>
        <translation>点“%1”：值“%2”%3。</translation>
    </message>
</context>
<context>
    <name>RYXDownloadConfirmation</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Download the configuration of %1?</source>
        <translation>要下载 %1 的配置吗？</translation>
    </message>
    <message>
        <source>Download the configuration of %1 to %2?</source>
        <translation>要将 %1 的配置下载到 %2 吗？</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>不再询问</translation>
    </message>
</context>
<context>
    <name>RYXEventReceiver</name>
    <message>
        <source>The communications resource has been taken offline (i.e. port closed.)</source>
        <translation>通信资源已离线（即端口已关闭）。</translation>
    </message>
</context>
<context>
    <name>RYXEventsBox</name>
    <message>
        <source>Clear Log</source>
        <translation>清除日志</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Verbosity Level</source>
        <translation>详细级别</translation>
    </message>
    <message>
        <source>Message Type</source>
        <translation>消息类型</translation>
    </message>
    <message>
        <source>Timestamp</source>
        <translation>时间戳</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>开发人员</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>全部显示</translation>
    </message>
    <message>
        <source>Last 2 hours</source>
        <translation>最近 2 小时</translation>
    </message>
    <message>
        <source>Last 1 hours</source>
        <translation>最近 1 小时</translation>
    </message>
    <message>
        <source>Select Range</source>
        <translation>选择时间范围</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>从：</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>到：</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Not Implemeted.</source>
        <translation>未实现。</translation>
    </message>
</context>
<context>
    <name>RYXFileCommands</name>
    <message>
        <source>%1 has changes that are not saved. Save them before a file is read into it?</source>
        <translation>%1 有未保存的更改。在读入文件之前保存这些更改吗？</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The file %1 no longer exists; it was taken off the recent files.</source>
        <translation>文件 %1 已不存在；已将其从最近使用的文件中移除。</translation>
    </message>
    <message>
        <source>Failed to parse the input file.</source>
        <translation>无法解析输入文件。</translation>
    </message>
    <message>
        <source>Advisory</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>A new device was created from the data in the file and was added at the root level.</source>
        <translation>已根据文件中的数据创建新设备，并添加到根级别。</translation>
    </message>
    <message>
        <source>Please select a device from the tree first</source>
        <translation>请先从树中选择一个设备</translation>
    </message>
</context>
<context>
    <name>RYXIOModule</name>
    <message>
        <source> Channel %1</source>
        <translation> 通道 %1</translation>
    </message>
    <message>
        <source>upload failure!</source>
        <translation>上传失败！</translation>
    </message>
    <message>
        <source>upload failure</source>
        <translation>上传失败</translation>
    </message>
    <message>
        <source>There is a problem with the data.</source>
        <translation>数据有问题。</translation>
    </message>
    <message>
        <source>%1 upload success!</source>
        <translation>%1 上传成功！</translation>
    </message>
    <message>
        <source>%1 upload failure!</source>
        <translation>%1 上传失败！</translation>
    </message>
    <message>
        <source>download failure!</source>
        <translation>下载失败！</translation>
    </message>
    <message>
        <source>%1 download success!</source>
        <translation>%1 下载成功！</translation>
    </message>
    <message>
        <source>%1 download failure!</source>
        <translation>%1 下载失败！</translation>
    </message>
    <message>
        <source>synchronization failure!</source>
        <translation>同步失败！</translation>
    </message>
</context>
<context>
    <name>RYXInterfaceModule</name>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>You may not delete a module of a device that is online</source>
        <translation>不能删除在线设备的模块</translation>
    </message>
    <message>
        <source>Station Name:</source>
        <translation>站点名称：</translation>
    </message>
    <message>
        <source>Please be patient, saving data in interface module...</source>
        <translation>请稍候，正在将数据保存到接口模块...</translation>
    </message>
    <message>
        <source>%1 download warning!  This channel&apos;s tag information could not be saved.</source>
        <translation>%1 下载警告！无法保存此通道的标签信息。</translation>
    </message>
    <message>
        <source>Interface Module data saved successfully.</source>
        <translation>接口模块数据已成功保存。</translation>
    </message>
    <message>
        <source>download failure!</source>
        <translation>下载失败！</translation>
    </message>
    <message>
        <source>What was downloaded could not be read back.</source>
        <translation>无法回读已下载的内容。</translation>
    </message>
    <message>
        <source>%1 read back: the device holds what was downloaded.</source>
        <translation>%1 回读：设备中的数据与下载的一致。</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>正在下载 %1</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>正在上传 %1</translation>
    </message>
    <message>
        <source>download aborted!</source>
        <translation>下载已中止！</translation>
    </message>
    <message>
        <source>Failed to prepare data for transfer.</source>
        <translation>无法准备要传输的数据。</translation>
    </message>
    <message>
        <source>upload failure!</source>
        <translation>上传失败！</translation>
    </message>
    <message>
        <source>%1 upload success!</source>
        <translation>%1 上传成功！</translation>
    </message>
    <message>
        <source>There is a problem with the data.</source>
        <translation>数据有问题。</translation>
    </message>
    <message>
        <source>download failed!</source>
        <translation>下载失败！</translation>
    </message>
    <message>
        <source>%1 download success!</source>
        <translation>%1 下载成功！</translation>
    </message>
    <message>
        <source>%1 overall %2 success!</source>
        <translation>%1 整体%2成功！</translation>
    </message>
    <message>
        <source>%1 overall %2 failure!</source>
        <translation>%1 整体%2失败！</translation>
    </message>
</context>
<context>
    <name>RYXListView</name>
    <message>
        <source>Devices</source>
        <translation>设备</translation>
    </message>
</context>
<context>
    <name>RYXObject</name>
    <message>
        <source>I am a RYX Module</source>
        <translation>我是一个 RYX 模块</translation>
    </message>
    <message>
        <source>Error in configuration.</source>
        <translation>配置错误。</translation>
    </message>
    <message>
        <source>%1 is being transferred to or from the device. The change was not made; make it again when the transfer has ended.</source>
        <translation>%1 正在与设备传输数据。未进行更改；请在传输结束后重新操作。</translation>
    </message>
</context>
<context>
    <name>RYXObjectMenu</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>另存为(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>上传(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>下载(&amp;D)</translation>
    </message>
</context>
<context>
    <name>RYXProgressForm</name>
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
    <name>RYXPropertiesHtml</name>
    <message>
        <source>Connection Status:</source>
        <translation>连接状态：</translation>
    </message>
    <message>
        <source>ONLINE</source>
        <translation>在线</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>离线</translation>
    </message>
    <message>
        <source>CONFIGURATION ERROR</source>
        <translation>配置错误</translation>
    </message>
    <message>
        <source>ERROR IN CHILD</source>
        <translation>子项出错</translation>
    </message>
    <message>
        <source>CONFIGURATION NOT CURRENT</source>
        <translation>配置不是最新</translation>
    </message>
    <message>
        <source>CONFIGURATION NOT CURRENT IN ONE OR MORE CHILD</source>
        <translation>一个或多个子项的配置不是最新</translation>
    </message>
    <message>
        <source>CONFIGURATION CURRENT</source>
        <translation>配置为最新</translation>
    </message>
    <message>
        <source>Data Status:</source>
        <translation>数据状态：</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>固件版本：</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>序列号：</translation>
    </message>
</context>
<context>
    <name>RYXSaveNamePrompt</name>
    <message>
        <source>This file already exists, would you like to overwrite it?</source>
        <translation>此文件已存在，是否覆盖？</translation>
    </message>
</context>
<context>
    <name>RYXSysManager</name>
    <message>
        <source>Delete the station %1 and everything under it from the tree?</source>
        <translation>要从树中删除站点 %1 及其下的所有内容吗？</translation>
    </message>
    <message>
        <source>Its unsaved changes will be lost.</source>
        <translation>其未保存的更改将丢失。</translation>
    </message>
</context>
<context>
    <name>RYXWindowActions</name>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
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
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>SaveAs</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>另存为(&amp;A)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>打印设置</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Add module...</source>
        <translation>添加模块...</translation>
    </message>
    <message>
        <source>Add Module...</source>
        <translation>添加模块...</translation>
    </message>
    <message>
        <source>Tree Indicators Legend</source>
        <translation>设备树指示灯图例</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>RYX Configuration Program V</source>
        <translation>RYX 配置程序 V</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Add Module</source>
        <translation>添加模块</translation>
    </message>
    <message>
        <source>&amp;Communications</source>
        <translation>通信(&amp;C)</translation>
    </message>
    <message>
        <source>Read Back Downloads</source>
        <translation>回读下载内容</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Interface Module</source>
        <translation>接口模块</translation>
    </message>
    <message>
        <source>I/O Module</source>
        <translation>I/O 模块</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
</context>
<context>
    <name>StationMonitor</name>
    <message>
        <source>Disconnecting because:

Communication with the device was lost.

You must reconnect once the problem is resolved.</source>
        <translation>正在断开连接，原因：

与设备的通信已中断。

问题解决后必须重新连接。</translation>
    </message>
</context>
<context>
    <name>StatusWordText</name>
    <message>
        <source>An error occurred in one of the attached I/O modules.</source>
        <translation>某个已连接的 I/O 模块发生错误。</translation>
    </message>
    <message>
        <source>RAM test error or no RAM found.</source>
        <translation>RAM 测试错误或未找到 RAM。</translation>
    </message>
    <message>
        <source>File system initialization error.</source>
        <translation>文件系统初始化错误。</translation>
    </message>
    <message>
        <source>File system was formatted (possibly due to corrupted file system.)</source>
        <translation>文件系统已被格式化（可能由于文件系统损坏）。</translation>
    </message>
    <message>
        <source>Missing system configuration file.</source>
        <translation>缺少系统配置文件。</translation>
    </message>
    <message>
        <source>Bad clock battery.</source>
        <translation>时钟电池故障。</translation>
    </message>
    <message>
        <source>Missing or corrupted password file.  Default loaded.</source>
        <translation>密码文件丢失或损坏。已加载默认值。</translation>
    </message>
    <message>
        <source>I/O module port failure.</source>
        <translation>I/O 模块端口故障。</translation>
    </message>
    <message>
        <source>Failure to start one or more network services.</source>
        <translation>一个或多个网络服务启动失败。</translation>
    </message>
    <message>
        <source>Data logger could not be initialized.</source>
        <translation>无法初始化数据记录器。</translation>
    </message>
    <message>
        <source>Data Logger failed to restore records from non-volatile ram.</source>
        <translation>数据记录器无法从非易失性 RAM 恢复记录。</translation>
    </message>
    <message>
        <source>File system full.</source>
        <translation>文件系统已满。</translation>
    </message>
    <message>
        <source>BBM battery failed.</source>
        <translation>BBM 电池故障。</translation>
    </message>
    <message>
        <source>Input power failed, running on BBM.</source>
        <translation>输入电源故障，正在使用 BBM 运行。</translation>
    </message>
    <message>
        <source>ISaGRAF Kernel has caused a system fault and has shut down.</source>
        <translation>ISaGRAF 内核导致系统故障并已关闭。</translation>
    </message>
    <message>
        <source>Lost producer on MODBUS 1.</source>
        <translation>MODBUS 1 上的生产者丢失。</translation>
    </message>
    <message>
        <source>Lost producer on MODBUS 2.</source>
        <translation>MODBUS 2 上的生产者丢失。</translation>
    </message>
    <message>
        <source>Incompatible Module Type(s) on MODBUS 1.</source>
        <translation>MODBUS 1 上的模块类型不兼容。</translation>
    </message>
    <message>
        <source>Incompatible Module Type(s) on MODBUS 2.</source>
        <translation>MODBUS 2 上的模块类型不兼容。</translation>
    </message>
    <message>
        <source>Error in producer channel(s) or module(s).</source>
        <translation>生产者通道或模块出错。</translation>
    </message>
    <message>
        <source>Could not join network, duplicate address.</source>
        <translation>无法加入网络，地址重复。</translation>
    </message>
    <message>
        <source>Interface Module Status</source>
        <translation>接口模块状态</translation>
    </message>
    <message>
        <source>BBM is disconnected.</source>
        <translation>BBM 已断开。</translation>
    </message>
    <message>
        <source>MODBUS Peer to Peer Status</source>
        <translation>MODBUS 点对点状态</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TIChannelDialog</name>
    <message>
        <source>Temperature Input Channel</source>
        <translation>温度输入通道</translation>
    </message>
    <message>
        <source>Input Type:</source>
        <translation>输入类型:</translation>
    </message>
    <message>
        <source>Selects the input type</source>
        <translation>选择输入类型</translation>
    </message>
    <message>
        <source>Sensor Type:</source>
        <translation>传感器类型:</translation>
    </message>
    <message>
        <source>Selects the sensor type</source>
        <translation>选择传感器类型</translation>
    </message>
    <message>
        <source>Base Resistance:</source>
        <translation>基准电阻:</translation>
    </message>
    <message>
        <source>Selects the sensor&apos;s base resistance</source>
        <translation>选择传感器的基准电阻</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>接线:</translation>
    </message>
    <message>
        <source>Selects the sensor&apos;s connection</source>
        <translation>选择传感器的接线方式</translation>
    </message>
    <message>
        <source>Units:</source>
        <translation>单位:</translation>
    </message>
    <message>
        <source>Selects the input units</source>
        <translation>选择输入单位</translation>
    </message>
    <message>
        <source>Ambient Temperature</source>
        <translation>环境温度</translation>
    </message>
    <message>
        <source>Ambient Temp</source>
        <translation>环境温度</translation>
    </message>
    <message>
        <source>Selects the ambient temperature units</source>
        <translation>选择环境温度单位</translation>
    </message>
    <message>
        <source>Hold Last</source>
        <translation>保持最后值</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设值</translation>
    </message>
    <message>
        <source>On Failure:</source>
        <translation>故障时:</translation>
    </message>
    <message>
        <source>Predefined Value:</source>
        <translation>预定义值:</translation>
    </message>
    <message>
        <source>Broken Wire Detection</source>
        <translation>断线检测</translation>
    </message>
</context>
<context>
    <name>TIChannelObject</name>
    <message>
        <source>I/O Channel Fail</source>
        <translation>I/O 通道故障</translation>
    </message>
    <message>
        <source>Channel Not Used</source>
        <translation>通道未使用</translation>
    </message>
    <message>
        <source>Run-Time Fail</source>
        <translation>运行时故障</translation>
    </message>
    <message>
        <source>A/D Converter Fail</source>
        <translation>A/D 转换器故障</translation>
    </message>
    <message>
        <source>EEPROM Fail</source>
        <translation>EEPROM 故障</translation>
    </message>
    <message>
        <source>A/D Input Saturated</source>
        <translation>A/D 输入饱和</translation>
    </message>
    <message>
        <source>Out of Table Range</source>
        <translation>超出表格范围</translation>
    </message>
    <message>
        <source>Broken Wire #1</source>
        <translation>断线 #1</translation>
    </message>
    <message>
        <source>Broken Wire #2</source>
        <translation>断线 #2</translation>
    </message>
    <message>
        <source>Broken Wire #3</source>
        <translation>断线 #3</translation>
    </message>
    <message>
        <source>Broken Wire #4</source>
        <translation>断线 #4</translation>
    </message>
    <message>
        <source>Channel Disabled</source>
        <translation>通道已禁用</translation>
    </message>
    <message>
        <source>Broken RJC</source>
        <translation>参考端补偿故障</translation>
    </message>
    <message>
        <source>Failed to read Status</source>
        <translation>读取状态失败</translation>
    </message>
    <message>
        <source>Failed to read PV</source>
        <translation>读取 PV 失败</translation>
    </message>
    <message>
        <source>Failed to read Ambient Temperature</source>
        <translation>读取环境温度失败</translation>
    </message>
</context>
<context>
    <name>TIModuleDialog</name>
    <message>
        <source>TImodule</source>
        <translation>TI 模块</translation>
    </message>
    <message>
        <source>There are no configurable parameters for the TIM, please select a channel.</source>
        <translation>TIM 没有可配置的参数,请选择一个通道。</translation>
    </message>
    <message>
        <source>Select Channel</source>
        <translation>选择通道</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>通道 %1</translation>
    </message>
</context>
<context>
    <name>TransferContext</name>
    <message>
        <source>Communication with the device was lost.</source>
        <translation>与设备的通信已中断。</translation>
    </message>
    <message>
        <source>The device is missing or has failed.</source>
        <translation>设备缺失或已故障。</translation>
    </message>
    <message>
        <source>The device does not match.</source>
        <translation>设备不匹配。</translation>
    </message>
    <message>
        <source>The number of modules does not match.</source>
        <translation>模块数量不匹配。</translation>
    </message>
    <message>
        <source>The type(s) of the module(s) does not match.</source>
        <translation>模块类型不匹配。</translation>
    </message>
    <message>
        <source>Retry limit exceeded.</source>
        <translation>超过重试次数上限。</translation>
    </message>
    <message>
        <source>The device does not hold what was downloaded.</source>
        <translation>设备中的数据与下载的不一致。</translation>
    </message>
    <message>
        <source>Undetermined failure (please report.)</source>
        <translation>未确定的故障（请报告）。</translation>
    </message>
    <message>
        <source>upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>synchronize</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Cause: </source>
        <translation>原因：</translation>
    </message>
</context>
<context>
    <name>TrimPluginDialog</name>
    <message>
        <source>Specifies the Lower Trim Point.  When the output variable equals this value, it is mapped to the Lower Captured Value.</source>
        <translation>指定下微调点。当输出变量等于此值时,映射到下采集值。</translation>
    </message>
    <message>
        <source>Specifies the Upper Trim Point.  When the output variable equals this value, it is mapped to the Upper Captured Value.</source>
        <translation>指定上微调点。当输出变量等于此值时,映射到上采集值。</translation>
    </message>
    <message>
        <source>Displays the Lower Captured Value.  When the output variable equals the Lower Trim Point, it is mapped to this value.</source>
        <translation>显示下采集值。当输出变量等于下微调点时,映射到此值。</translation>
    </message>
    <message>
        <source>Displays the Upper Captured Value.  When the output variable equals the Upper Trim Point, it is mapped to this value.</source>
        <translation>显示上采集值。当输出变量等于上微调点时,映射到此值。</translation>
    </message>
    <message>
        <source>Displays and allows modification of the Lower Trim Capture by controlling the actual output</source>
        <translation>通过控制实际输出来显示并修改下微调采集值</translation>
    </message>
    <message>
        <source>Displays and allows modification of the Upper Trim Capture by controlling the actual output</source>
        <translation>通过控制实际输出来显示并修改上微调采集值</translation>
    </message>
    <message>
        <source>Specifies the Lower Trim Point.  When the measured input equals the Lower Captured Value, it is mapped to this value.</source>
        <translation>指定下微调点。当测得的输入等于下采集值时,映射到此值。</translation>
    </message>
    <message>
        <source>Specifies the Upper trim point.  When the measured input equals the Upper Captured Value, it is mapped to this value.</source>
        <translation>指定上微调点。当测得的输入等于上采集值时,映射到此值。</translation>
    </message>
    <message>
        <source>Displays the Lower Captured Value.  When the measured input equals this value, it is mapped to the Lower Trim Point.</source>
        <translation>显示下采集值。当测得的输入等于此值时,映射到下微调点。</translation>
    </message>
    <message>
        <source>Displays the Upper Captured Value.  When the measured input equals this value, it is mapped to the Upper Trim Point.</source>
        <translation>显示上采集值。当测得的输入等于此值时,映射到上微调点。</translation>
    </message>
    <message>
        <source>Allows modification of the Lower Trim Capture by capturing the actual input</source>
        <translation>通过采集实际输入来修改下微调采集值</translation>
    </message>
    <message>
        <source>Allows modification of the Upper Trim Capture by capturing the actual input</source>
        <translation>通过采集实际输入来修改上微调采集值</translation>
    </message>
</context>
<context>
    <name>TrimPluginForm</name>
    <message>
        <source>Trimming</source>
        <translation>微调</translation>
    </message>
    <message>
        <source>Trim Mode</source>
        <translation>微调模式</translation>
    </message>
    <message>
        <source>One Point</source>
        <translation>单点</translation>
    </message>
    <message>
        <source>Two Point</source>
        <translation>两点</translation>
    </message>
    <message>
        <source>Lower Trim</source>
        <translation>下微调</translation>
    </message>
    <message>
        <source>Lower Trim Point:</source>
        <translation>下微调点:</translation>
    </message>
    <message>
        <source>Lower Captured Value:</source>
        <translation>下采集值:</translation>
    </message>
    <message>
        <source>Trim Lower</source>
        <translation>微调下限</translation>
    </message>
    <message>
        <source>Upper Trim</source>
        <translation>上微调</translation>
    </message>
    <message>
        <source>Upper Trim Point:</source>
        <translation>上微调点:</translation>
    </message>
    <message>
        <source>Upper Captured Value:</source>
        <translation>上采集值:</translation>
    </message>
    <message>
        <source>Trim Upper</source>
        <translation>微调上限</translation>
    </message>
</context>
<context>
    <name>UndeterminedModuleForm</name>
    <message>
        <source>Undetermined Module</source>
        <translation>未确定的模块</translation>
    </message>
    <message>
        <source>Nothing To Configure</source>
        <translation>无可配置项</translation>
    </message>
    <message>
        <source>The type of this module is currently undetermined, there is nothing that can be configured.</source>
        <translation>此模块的类型目前未确定，没有可配置的内容。</translation>
    </message>
</context>
<context>
    <name>UndeterminedModuleObject</name>
    <message>
        <source>Module Type Code:</source>
        <translation>模块类型代码：</translation>
    </message>
    <message>
        <source>Cannot read PV</source>
        <translation>无法读取过程值</translation>
    </message>
    <message>
        <source>Uploading </source>
        <translation>正在上传 </translation>
    </message>
    <message>
        <source>%1 Upload aborted, can&apos;t ul undetermined</source>
        <translation>%1 上传已中止，无法上传未确定的模块</translation>
    </message>
    <message>
        <source>Downloading </source>
        <translation>正在下载 </translation>
    </message>
    <message>
        <source>%1...download aborted, can&apos;t dl undetermined</source>
        <translation>%1 下载已中止，无法下载未确定的模块</translation>
    </message>
</context>
<context>
    <name>VELXmlHandler</name>
    <message>
        <source>no device element</source>
        <translation>没有设备元素</translation>
    </message>
    <message>
        <source>unexpected end of element &lt;%1&gt;</source>
        <translation>元素 &lt;%1&gt; 意外结束</translation>
    </message>
    <message>
        <source>text where the file holds none</source>
        <translation>文件中不应有文本的位置出现了文本</translation>
    </message>
    <message>
        <source>document type declarations are not accepted</source>
        <translation>不接受文档类型声明</translation>
    </message>
    <message>
        <source>unresolved entity reference &amp;%1;</source>
        <translation>未解析的实体引用 &amp;%1;</translation>
    </message>
    <message>
        <source>text after the device element</source>
        <translation>设备元素之后有文本</translation>
    </message>
    <message>
        <source>A further top-level element &lt;%1&gt; on line %2 was ignored: a file holds one device.</source>
        <translation>已忽略第 %2 行的另一个顶层元素 &lt;%1&gt;：一个文件只包含一个设备。</translation>
    </message>
    <message>
        <source>%1 further top-level elements were ignored, the first &lt;%2&gt; on line %3: a file holds one device.</source>
        <translation>已忽略另外 %1 个顶层元素，第一个是第 %3 行的 &lt;%2&gt;：一个文件只包含一个设备。</translation>
    </message>
    <message>
        <source>&lt;%1&gt; inside a VALUE element</source>
        <translation>VALUE 元素内的 &lt;%1&gt;</translation>
    </message>
    <message>
        <source>a VALUE element outside of any object element</source>
        <translation>位于任何对象元素之外的 VALUE 元素</translation>
    </message>
    <message>
        <source>unknown element &lt;%1&gt;</source>
        <translation>未知元素 &lt;%1&gt;</translation>
    </message>
    <message>
        <source>elements nested deeper than any device tree</source>
        <translation>元素嵌套深度超过任何设备树</translation>
    </message>
    <message>
        <source>A VALUE element without a key or a value in &lt;%1&gt; (line %2) was ignored.</source>
        <translation>已忽略 &lt;%1&gt;（第 %2 行）中缺少键或值的 VALUE 元素。</translation>
    </message>
    <message>
        <source>%1 channel %2 ignored: the %3 element has no such channel.</source>
        <translation>%1 通道 %2 已忽略：%3 元素没有该通道。</translation>
    </message>
    <message>
        <source>%1 ignored: the %2 element has no such plug-in.</source>
        <translation>%1 已忽略：%2 元素没有该插件。</translation>
    </message>
    <message>
        <source>Configuration data could not be read: %1 (line %2, column %3)</source>
        <translation>无法读取配置数据：%1（第 %2 行，第 %3 列）</translation>
    </message>
</context>
<context>
    <name>XIMInternalsForm</name>
    <message>
        <source>Internals</source>
        <translation>内部数据</translation>
    </message>
    <message>
        <source>I/O Scan Mode</source>
        <translation>I/O 扫描模式</translation>
    </message>
    <message>
        <source>Scanning enabled</source>
        <translation>扫描已启用</translation>
    </message>
    <message>
        <source>Scanning disabled</source>
        <translation>扫描已禁用</translation>
    </message>
    <message>
        <source>Read Scan Mode</source>
        <translation>读取扫描模式</translation>
    </message>
    <message>
        <source>Write Scan Mode</source>
        <translation>写入扫描模式</translation>
    </message>
    <message>
        <source>Scan Line Control</source>
        <translation>扫描线控制</translation>
    </message>
    <message>
        <source>Write Scan Lines</source>
        <translation>写入扫描线</translation>
    </message>
</context>
<context>
    <name>XIMProcessDialog</name>
    <message>
        <source>IDLE</source>
        <translation>空闲</translation>
    </message>
    <message>
        <source>VERIFYING DEVICE</source>
        <translation>正在验证设备</translation>
    </message>
    <message>
        <source>REFRESHING DATA</source>
        <translation>正在刷新数据</translation>
    </message>
    <message>
        <source>&lt;n/a&gt;</source>
        <translation>&lt;无&gt;</translation>
    </message>
</context>
<context>
    <name>XIMProcessForm</name>
    <message>
        <source>Process Data</source>
        <translation>过程数据</translation>
    </message>
    <message>
        <source>Monitor process data</source>
        <translation>监视过程数据</translation>
    </message>
    <message>
        <source>Update every (seconds)</source>
        <translation>更新间隔（秒）</translation>
    </message>
    <message>
        <source>Analog precision (decimals)</source>
        <translation>模拟量精度（小数位）</translation>
    </message>
    <message>
        <source>Monitor status</source>
        <translation>监视状态</translation>
    </message>
    <message>
        <source>IDLE</source>
        <translation>空闲</translation>
    </message>
    <message>
        <source>Last update</source>
        <translation>上次更新</translation>
    </message>
    <message>
        <source>&lt;n/a&gt;</source>
        <translation>&lt;无&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Process Variable</source>
        <translation>过程变量</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
</context>
<context>
    <name>XIMProcessObjectPlugin</name>
    <message>
        <source>Data Status:</source>
        <translation>数据状态：</translation>
    </message>
    <message>
        <source>PROCESS DATA CURRENT</source>
        <translation>过程数据为最新</translation>
    </message>
    <message>
        <source>PROCESS DATA STALE</source>
        <translation>过程数据已过时</translation>
    </message>
</context>
<context>
    <name>ZEMPPort</name>
    <message>
        <source>port closed</source>
        <translation>端口已关闭</translation>
    </message>
    <message>
        <source>request not sent</source>
        <translation>请求未发送</translation>
    </message>
    <message>
        <source>reply with a length byte of 0</source>
        <translation>响应的长度字节为 0</translation>
    </message>
</context>
<context>
    <name>ZEMPTCPPort</name>
    <message>
        <source>reply longer than %1 bytes</source>
        <translation>响应超过 %1 个字节</translation>
    </message>
    <message>
        <source>malformed reply</source>
        <translation>响应格式错误</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>找不到主机</translation>
    </message>
</context>
<context>
    <name>ZempFailure</name>
    <message>
        <source>point </source>
        <translation>点 </translation>
    </message>
    <message>
        <source>address </source>
        <translation>地址 </translation>
    </message>
    <message>
        <source> behind </source>
        <translation> 经由 </translation>
    </message>
    <message>
        <source> by </source>
        <translation>，对端 </translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>无响应</translation>
    </message>
    <message>
        <source>checksum fault in the reply</source>
        <translation>响应校验和错误</translation>
    </message>
    <message>
        <source>request too long to send</source>
        <translation>请求太长，无法发送</translation>
    </message>
    <message>
        <source>device error %1</source>
        <translation>设备错误 %1</translation>
    </message>
    <message>
        <source>no answer in %1 s</source>
        <translation>%1 秒内无响应</translation>
    </message>
</context>
<context>
    <name>treeLegendForm</name>
    <message>
        <source>Device Tree Status Indicators</source>
        <translation>设备树状态指示灯</translation>
    </message>
    <message>
        <source>Large Dark Green - Inteface module is currently offline</source>
        <translation>大号深绿色 - 接口模块当前离线</translation>
    </message>
    <message>
        <source>Large Bright Green - Inteface module is currently online</source>
        <translation>大号亮绿色 - 接口模块当前在线</translation>
    </message>
    <message>
        <source>Small Dark Green - Device is offline and has no errors.</source>
        <translation>小号深绿色 - 设备离线且没有错误。</translation>
    </message>
    <message>
        <source>Small Bright Green - Device is online and configuration is current with the attached device</source>
        <translation>小号亮绿色 - 设备在线，配置与所连接的设备一致</translation>
    </message>
    <message>
        <source>Small Yellow - Device is online and configuration is not current with the attached device</source>
        <translation>小号黄色 - 设备在线，配置与所连接的设备不一致</translation>
    </message>
    <message>
        <source>Small Red - Error in device configuration.</source>
        <translation>小号红色 - 设备配置有错误。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
