<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>RYXConfigWindow</name>
    <message>
        <source>RYX Configuration Program V</source>
        <translation>RYX 配置程序 V</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
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
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
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
        <source>&amp;Communications</source>
        <translation>通信(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
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
    <message>
        <source>Add Module</source>
        <translation>添加模块</translation>
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
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>This feature is not implemented.</source>
        <translation>此功能尚未实现。</translation>
    </message>
    <message>
        <source>Are you sure you would like to exit RYXConfig?</source>
        <translation>确定要退出 RYXConfig 吗？</translation>
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
        <source>The manual "%1" was not found in the current directory or beside the program.</source>
        <translation>在当前目录和程序所在目录中均未找到手册“%1”。</translation>
    </message>
    <message>
        <source>The manual "%1" could not be opened: no viewer for it is set up on this computer.</source>
        <translation>无法打开手册“%1”：此计算机上未设置可打开它的查看器。</translation>
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
