<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../tools/artwork/backgrounds.cpp" line="+64"/>
        <source>HELP</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Choose a page</source>
        <translation>请选择一个页面</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <location filename="../window/button_art.cpp" line="+21"/>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Throttle</source>
        <translation>油门</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brake</source>
        <translation>刹车</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boost</source>
        <translation>增压</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turbo</source>
        <translation>涡轮</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>写入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ENGLISH</source>
        <translation>ENGLISH</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CHINESE</source>
        <translation>中文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send Settings</source>
        <translation>写入设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update Firmware</source>
        <translation>升级固件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read Settings</source>
        <translation>读取设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>升级</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+2"/>
        <source>ESC</source>
        <translation>ESC</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>LCD</source>
        <translation>LCD</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>USB</source>
        <translation>USB</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../app/qt_user_dialogs.cpp" line="+27"/>
        <source>Import file error!</source>
        <translation>导入文件出错！</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export file error!</source>
        <translation>导出文件出错！</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../widgets/kit/about_dlg.cpp" line="+17"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All File (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <location filename="../comms/engine/engine_messages.cpp" line="+11"/>
        <source>The link was lost while the settings were being stored. The controller may hold part of the new settings. Connect it again and check the settings it shows once they have been read; then make your changes again and press Apply.</source>
        <translation>写入设置时连接中断。电调中可能只保存了部分新设置。请重新连接，等设置读取完成后检查显示的设置，然后重新修改并按“写入”。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The link was lost while the factory settings were being stored. The controller may hold part of the new settings. Connect it again and check the settings it shows once they have been read; then press Default again.</source>
        <translation>写入出厂设置时连接中断。电调中可能只保存了部分新设置。请重新连接，等设置读取完成后检查显示的设置，然后再按一次“默认”。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The link was lost while the settings were being stored. The controller may hold part of the new settings. Connect it again and check the settings it shows once they have been read; then press &quot;Send Settings&quot; again.</source>
        <translation>写入设置时连接中断。电调中可能只保存了部分新设置。请重新连接，等设置读取完成后检查显示的设置，然后再按一次“写入设置”。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The link was lost while the controller&apos;s settings were being read. Nothing was changed on the controller. Connect it again; its settings are then read again.</source>
        <translation>读取电调设置时连接中断。电调上的设置没有任何改动。请重新连接，设置会再次读取。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The controller stopped answering while the settings were being stored. It may hold part of the new settings. Check that it is powered and connected, then make your changes again and press Apply.</source>
        <translation>写入设置时电调停止响应。电调中可能只保存了部分新设置。请检查电调已通电并连接好，然后重新修改并按“写入”。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The controller stopped answering while the factory settings were being stored. It may hold part of the new settings. Check that it is powered and connected, then press Default again.</source>
        <translation>写入出厂设置时电调停止响应。电调中可能只保存了部分新设置。请检查电调已通电并连接好，然后再按一次“默认”。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The controller stopped answering while the settings were being stored. It may hold part of the new settings. Check that it is powered and connected, then press &quot;Send Settings&quot; again.</source>
        <translation>写入设置时电调停止响应。电调中可能只保存了部分新设置。请检查电调已通电并连接好，然后再按一次“写入设置”。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The controller stopped answering while its settings were being read. Nothing was changed on the controller. Check that it is powered and connected; its settings are read again once it answers.</source>
        <translation>读取设置时电调停止响应。电调上的设置没有任何改动。请检查电调已通电并连接好；电调恢复响应后会再次读取设置。</translation>
    </message>
    <message>
        <location filename="../comms/engine/identify_states.cpp" line="+150"/>
        <source>Failed to get ESC Version</source>
        <translation>无法读取电调版本</translation>
    </message>
    <message>
        <location filename="../comms/engine/progress_text.h" line="+13"/>
        <location filename="../window/window_controller.h" line="+40"/>
        <source>Read From Esc Process......</source>
        <translation>正在从电调读取......</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Data Transferring.. %1% done.</source>
        <translation>数据传输中.. 已完成 %1%。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transferring.. %1% done.</source>
        <translation>传输中.. 已完成 %1%。</translation>
    </message>
    <message>
        <location filename="../comms/engine/transaction_engine.cpp" line="+26"/>
        <source>Esc Update</source>
        <translation>电调升级</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Up Date Complete!</source>
        <translation>升级完成！</translation>
    </message>
    <message>
        <location filename="../comms/firmware/firmware_messages.cpp" line="+18"/>
        <source>No controller or RUZ Oviveru Ruv is connected. Connect it to the link adapter, switch it on, and wait until it is shown as connected before updating the firmware.</source>
        <translation>没有连接电调或 RUZ Oviveru Ruv。请将其连接到 USB 连接器并打开电源，等显示为已连接后再升级固件。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The firmware file is empty. Nothing was sent.</source>
        <translation>固件文件是空的。没有发送任何数据。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The firmware file is too large: a firmware image holds at most 262144 bytes. Nothing was sent.</source>
        <translation>固件文件太大：固件最多 262144 字节。没有发送任何数据。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The firmware file is too large for this device: it holds %1 bytes and at most 65535 can be sent. Nothing was sent.</source>
        <translation>固件文件对此设备来说太大：文件有 %1 字节，最多只能发送 65535 字节。没有发送任何数据。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The firmware file is too short to be a firmware image for this device: it holds %1 bytes and needs more than 512. Nothing was sent.</source>
        <translation>固件文件太短，不是此设备的固件：文件只有 %1 字节，至少需要 512 字节以上。没有发送任何数据。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The firmware file is damaged: the record that starts at byte %1 runs past the end of the file. Nothing was sent.</source>
        <translation>固件文件已损坏：从第 %1 字节开始的记录超出了文件末尾。没有发送任何数据。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The firmware file &quot;%1&quot; could not be read. Nothing was sent.</source>
        <translation>无法读取固件文件“%1”。没有发送任何数据。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is not a firmware file for the attached device, which takes *.%2 files.</source>
        <translation>“%1”不是当前设备的固件文件，此设备使用 *.%2 文件。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The RUZ Oviveru Ruv stopped answering during the firmware update. The transfer stopped at %1%. Keep the RUZ Oviveru Ruv powered and connected, then start the update again; it can be repeated until it completes.</source>
        <translation>固件升级时 RUZ Oviveru Ruv 停止响应。传输停在 %1%。请保持 RUZ Oviveru Ruv 通电并连接好，然后重新开始升级；可以反复升级直到完成。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The controller stopped answering during the firmware update. The transfer stopped at %1%. Keep the controller powered and connected, then start the update again; it can be repeated until it completes.</source>
        <translation>固件升级时电调停止响应。传输停在 %1%。请保持电调通电并连接好，然后重新开始升级；可以反复升级直到完成。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The controller refused a part of the firmware. The transfer stopped at %1%. Keep the controller powered and connected, then start the update again; it can be repeated until it completes.</source>
        <translation>电调拒收了一部分固件。传输停在 %1%。请保持电调通电并连接好，然后重新开始升级；可以反复升级直到完成。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The controller answered a part of the firmware wrongly four times. The transfer stopped at %1%. Keep the controller powered and connected, then start the update again; it can be repeated until it completes.</source>
        <translation>电调对同一部分固件连续四次应答错误。传输停在 %1%。请保持电调通电并连接好，然后重新开始升级；可以反复升级直到完成。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The link adapter was removed during the firmware update. The transfer stopped at %1%. Plug the adapter in again, keep the RUZ Oviveru Ruv powered, then start the update again; it can be repeated until it completes.</source>
        <translation>固件升级时 USB 连接器被拔出。传输停在 %1%。请重新插好连接器，保持 RUZ Oviveru Ruv 通电，然后重新开始升级；可以反复升级直到完成。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The link adapter was removed during the firmware update. The transfer stopped at %1%. Plug the adapter in again, keep the controller powered, then start the update again; it can be repeated until it completes.</source>
        <translation>固件升级时 USB 连接器被拔出。传输停在 %1%。请重新插好连接器，保持电调通电，然后重新开始升级；可以反复升级直到完成。</translation>
    </message>
    <message>
        <location filename="../comms/firmware/firmware_transfer.cpp" line="+15"/>
        <source>Send to Esc Process......</source>
        <translation>正在写入电调......</translation>
    </message>
    <message>
        <location filename="../link/link_refusal.cpp" line="+40"/>
        <source>The link adapter is plugged in, but this user may not open its device node %1 (permission denied).
Install the vuriru-link package (sudo apt install ./vuriru-link_*.deb), which lets the user logged in at this computer use the adapter, or install its udev rule by hand:
%2Then unplug the adapter and plug it in again; the window then connects by itself.</source>
        <translation>USB 连接器已插入，但当前用户无权打开它的设备节点 %1（权限被拒绝）。
请安装 vuriru-link 软件包（sudo apt install ./vuriru-link_*.deb），它允许在这台电脑前登录的用户使用连接器；或者手动安装它的 udev 规则：
%2然后拔下连接器再重新插上，窗口会自动连接。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The link adapter is plugged in, but this user may not open its device node %1 (permission denied), although the udev rule is installed as %2.
Unplug the adapter and plug it in again; the window then connects by itself. If it still cannot, have udev apply the rule again:
  sudo udevadm control --reload-rules
  sudo udevadm trigger --subsystem-match=hidraw
The rule gives access to the user logged in at this computer, not to a remote login.</source>
        <translation>USB 连接器已插入，但当前用户无权打开它的设备节点 %1（权限被拒绝），虽然 udev 规则已安装在 %2。
请拔下连接器再重新插上，窗口会自动连接。如果仍然不行，请让 udev 重新应用规则：
  sudo udevadm control --reload-rules
  sudo udevadm trigger --subsystem-match=hidraw
该规则只对在这台电脑前登录的用户生效，远程登录无效。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The device at %1 has the link adapter&apos;s USB id, but its reports are too short for the link: each report must hold the report id, a length byte and up to 59 payload bytes (61 bytes).
Run &apos;vuriru-cli doctor&apos; to see the report sizes its report descriptor gives.</source>
        <translation>%1 处的设备具有 USB 连接器的 USB ID，但它的报告太短，无法通信：每个报告必须包含报告 ID、一个长度字节和最多 59 个数据字节（共 61 字节）。
运行“vuriru-cli doctor”可查看其报告描述符给出的报告长度。</translation>
    </message>
    <message>
        <location filename="../widgets/kit/esc_process_dlg.cpp" line="+36"/>
        <source>Esc Process......</source>
        <translation>电调处理中......</translation>
    </message>
    <message>
        <location filename="../widgets/v1/cn_v1_dlg.h" line="+22"/>
        <source>Esc Software Update OK!</source>
        <translation>电调固件升级成功！</translation>
    </message>
    <message>
        <location filename="../widgets/v1/v1_panel_base.h" line="+46"/>
        <source>Esc Reading......</source>
        <translation>正在读取电调......</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esc Sending......</source>
        <translation>正在写入电调......</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read Ok</source>
        <translation>读取成功</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send Ok</source>
        <translation>写入成功</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default Ok</source>
        <translation>已恢复默认</translation>
    </message>
    <message>
        <location filename="../window/quit_question.cpp" line="+13"/>
        <source>The settings are being stored on the controller. Closing now can leave the controller with only part of the new settings. Quit anyway?</source>
        <translation>正在把设置写入电调。现在关闭可能导致电调只保存了部分新设置。仍然退出吗？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The controller&apos;s curves are being read. Closing now stops the read; nothing on the controller changes. Quit anyway?</source>
        <translation>正在读取电调的曲线。现在关闭会中止读取，电调上的设置不会改变。仍然退出吗？</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A firmware update of the RUZ Oviveru Ruv is running. Closing now can leave the RUZ Oviveru Ruv without working firmware. Quit anyway?</source>
        <translation>RUZ Oviveru Ruv 正在升级固件。现在关闭可能导致 RUZ Oviveru Ruv 没有可用的固件。仍然退出吗？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A firmware update is running. Closing now can leave the controller without working firmware. Quit anyway?</source>
        <translation>正在升级固件。现在关闭可能导致电调没有可用的固件。仍然退出吗？</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Some settings or curves were changed but not applied to the controller. Quit without applying them?</source>
        <translation>有设置或曲线已修改但还没有写入电调。不写入就退出吗？</translation>
    </message>
    <message>
        <location filename="../window/quit_question.h" line="+13"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../window/refusal.cpp" line="+13"/>
        <source>No link adapter is connected. Plug in the USB link adapter.</source>
        <translation>没有连接 USB 连接器。请插入 USB 连接器。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The link adapter does not answer yet. Wait a moment, or plug it in again.</source>
        <translation>USB 连接器还没有响应。请稍等，或重新插拔。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The RUZ Oviveru Ruv is selected: only its device page is available. Choose &quot;ESC Speed Controller&quot; in the Device menu for a controller.</source>
        <translation>当前选择的是 RUZ Oviveru Ruv：只能使用设备页面。要设置电调，请在“设备”菜单中选择“电调”。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No controller answers. Connect the controller to the link adapter and switch it on.</source>
        <translation>没有电调响应。请将电调连接到 USB 连接器并打开电源。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close the curve editor first: OK keeps the curve, CANCEL drops the changes.</source>
        <translation>请先关闭曲线编辑器：“确定”保存曲线，“取消”放弃修改。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Busy with the controller: wait until the transfer has ended.</source>
        <translation>正在与电调通信：请等待传输结束。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings files hold a full controller&apos;s settings; the attached V1 controller is set up on its panel.</source>
        <translation>设置文件只适用于完整型电调；当前连接的 V1 电调请在它的面板上设置。</translation>
    </message>
    <message>
        <location filename="../window/write_review.h" line="+18"/>
        <source>Do you want to apply?</source>
        <translation>确定要写入设置吗？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>写入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to default?</source>
        <translation>确定要恢复默认设置吗？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 would change:</source>
        <translation>%1 将改变以下内容：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file&apos;s reading noted:</source>
        <translation>读取文件时注意到：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Loading it would change the edited values:</source>
        <translation>载入后将改变正在编辑的数值：</translation>
    </message>
    <message>
        <location filename="../window/window_controller.h" line="-1"/>
        <source>Settings library</source>
        <translation>设置库</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>USB Link Adapter</source>
        <translation>USB 连接器</translation>
    </message>
    <message>
        <location filename="../window/window_files.cpp" line="+17"/>
        <source>This file exists,do you want overwrite it?</source>
        <translation>文件已存在，要覆盖吗？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <location filename="../app/main_window.cpp" line="+134"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export Esc Data</source>
        <translation>导出电调数据</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import ESC Data</source>
        <translation>导入电调数据</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Calvex...</source>
        <translation>关于 Calvex(&amp;A)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>History...</source>
        <translation>历史记录...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Device</source>
        <translation>设备(&amp;D)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ESC Speed Controller</source>
        <translation>电调</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <location filename="../widgets/kit/about_dlg.h" line="+18"/>
        <source>About Calvex</source>
        <translation>关于 Calvex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Version 1.0</source>
        <translation> 版本 1.0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vuriru USB Link contributors</source>
        <translation>Vuriru USB Link 贡献者</translation>
    </message>
    <message>
        <location filename="../runlog/run_log_chart_model.cpp" line="+30"/>
        <source>Minimum battery voltage</source>
        <translation>电池最低电压</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Battery</source>
        <translation>电池</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Maximum temperatures</source>
        <translation>最高温度</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>Motor</source>
        <translation>电机</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Maximum motor rpm</source>
        <translation>电机最高转速</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The charts need two runs in the running log; it holds none yet.</source>
        <translation>图表至少需要运行日志中的两次运行记录；目前还没有记录。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The charts need two runs in the running log; it holds one so far.</source>
        <translation>图表至少需要运行日志中的两次运行记录；目前只有一次。</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Run %1  %2  %3
%4 V, ESC %5 °C, motor %6 °C, %7 rpm
%8</source>
        <translation>第 %1 次运行  %2  %3
%4 V，ESC %5 °C，电机 %6 °C，%7 rpm
%8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run %1  %2  %3
%4 V, ESC %5 °C, motor %6 °C, %7 rpm</source>
        <translation>第 %1 次运行  %2  %3
%4 V，ESC %5 °C，电机 %6 °C，%7 rpm</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Run %1  %2  %3
Not plausible, left out of the charts: %4 V, ESC %5 °C, motor %6 °C, %7 rpm (bytes %8)
%9</source>
        <translation>第 %1 次运行  %2  %3
数据不合理，未计入图表：%4 V，ESC %5 °C，电机 %6 °C，%7 rpm（字节 %8）
%9</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run %1  %2  %3
Not plausible, left out of the charts: %4 V, ESC %5 °C, motor %6 °C, %7 rpm (bytes %8)</source>
        <translation>第 %1 次运行  %2  %3
数据不合理，未计入图表：%4 V，ESC %5 °C，电机 %6 °C，%7 rpm（字节 %8）</translation>
    </message>
    <message>
        <location filename="../widgets/charts/run_log_chart.cpp" line="+69"/>
        <location filename="../widgets/charts/run_log_view.cpp" line="+115"/>
        <source>Run</source>
        <translation>运行序号</translation>
    </message>
    <message>
        <location filename="../widgets/charts/run_log_view.cpp" line="-84"/>
        <source>Save &amp;voltage chart…</source>
        <translation>保存电压图表(&amp;V)…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;temperature chart…</source>
        <translation>保存温度图表(&amp;T)…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;rpm chart…</source>
        <translation>保存转速图表(&amp;R)…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 runs, from %2 to %3. Point at a run to see it; click it or use the slider to choose it.</source>
        <translation>共 %1 次运行，从 %2 到 %3。指向某次运行即可查看；单击它或拖动滑块可选中它。</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Running log history</source>
        <translation>运行日志历史</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>R&amp;un:</source>
        <translation>运行(&amp;U)：</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Note:</source>
        <translation>备注(&amp;N)：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note of the chosen run</source>
        <translation>所选运行的备注</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g. heat 3, FDR 4.2</source>
        <translation>例如：预赛第 3 轮，FDR 4.2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Keep note</source>
        <translation>保存备注(&amp;K)</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Save as &amp;CSV…</source>
        <translation>另存为 CSV(&amp;C)…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>C&amp;lose</source>
        <translation>关闭(&amp;L)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>the chart could not be drawn as a PNG image</source>
        <translation>无法将图表绘制为 PNG 图像。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>this view has no library to keep notes in</source>
        <translation>此视图没有可保存备注的设置库。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>there is no such run</source>
        <translation>没有这次运行。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Keep the note</source>
        <translation>保存备注</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+6"/>
        <source>Save the chart</source>
        <translation>保存图表</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>PNG images (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+7"/>
        <source>Save the running log</source>
        <translation>保存运行日志</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <location filename="../widgets/history/history_dlg.cpp" line="+37"/>
        <source>Load</source>
        <translation>载入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as setup…</source>
        <translation>另存为设定…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename…</source>
        <translation>重命名…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save edits as setup…</source>
        <translation>将编辑值存为设定…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reason or name</source>
        <translation>原因或名称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Software</source>
        <translation>软件</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>The history is empty. A snapshot is kept after every read of a controller, before every write and after every store; &quot;Save edits as setup…&quot; keeps the edited values under a name.</source>
        <translation>历史记录为空。每次读取控制器后、每次写入前和每次存储后都会保存一个快照；“将编辑值存为设定…”可把正在编辑的数值以一个名称保存下来。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The history is empty.</source>
        <translation>历史记录为空。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Save as setup</source>
        <translation>另存为设定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save edits as setup</source>
        <translation>将编辑值存为设定</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Rename setup</source>
        <translation>重命名设定</translation>
    </message>
    <message>
        <location filename="../widgets/history/history_dlg.h" line="+32"/>
        <location filename="../window/history_browser.h" line="+23"/>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <location filename="../widgets/history/review_text.cpp" line="+14"/>
        <source>Nothing changes: every setting and curve stays as it is.</source>
        <translation>没有任何改变：所有设置和曲线保持原样。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>boost curve changes</source>
        <translation>增压曲线有改变</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>brake curve changes</source>
        <translation>刹车曲线有改变</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>throttle curve changes</source>
        <translation>油门曲线有改变</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>index %1, outside its list</source>
        <translation>索引 %1，超出选项列表</translation>
    </message>
    <message>
        <location filename="../widgets/history/setup_name_dlg.cpp" line="+27"/>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Track A, wet, 17.5T</source>
        <translation>A 赛道，湿地，17.5T</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <location filename="../window/history_browser.cpp" line="+85"/>
        <source>setup</source>
        <translation>设定</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>read</source>
        <translation>读取后</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>before apply</source>
        <translation>写入设置前</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>after apply</source>
        <translation>写入设置后</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>before default</source>
        <translation>恢复默认前</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>after default</source>
        <translation>恢复默认后</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>before firmware update</source>
        <translation>固件升级前</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>before V1 send</source>
        <translation>V1 发送前</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>A %1 controller&apos;s settings, kept to be looked at: the pages, the files and the setups hold a full controller&apos;s settings.</source>
        <translation>%1 控制器的设置，仅供查看：页面、文件和设定只保存完整控制器的设置。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: index %2, outside its list</source>
        <translation>%1: 索引 %2，超出选项列表</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>V1 snapshot (%1)</source>
        <translation>V1 快照（%1）</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a V1 controller&apos;s snapshot is only looked at</source>
        <translation>V1 电调的快照只能查看。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Setup &quot;%1&quot;, saved %2</source>
        <translation>设定“%1”，保存于 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup &quot;%1&quot;, saved %2 from software %3</source>
        <translation>设定“%1”，保存于 %2，来自软件 %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Note: %1</source>
        <translation>备注：%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Snapshot %1, %2, %3 (kept %4 times, last %5)</source>
        <translation>快照 %1，%2，%3（共保存 %4 次，最近一次 %5）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Snapshot %1, %2, %3</source>
        <translation>快照 %1，%2，%3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Controller: %1, software unknown</source>
        <translation>控制器：%1，软件版本未知</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Controller: %1, software unknown, adapter %2</source>
        <translation>控制器：%1，软件版本未知，适配器 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Controller: %1, software %2</source>
        <translation>控制器：%1，软件 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Controller: %1, software %2, adapter %3</source>
        <translation>控制器：%1，软件 %2，适配器 %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kept by %1</source>
        <translation>保存程序：%1</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>A setup named &quot;%1&quot; exists already. Replace it?</source>
        <translation>已有名为“%1”的设定。要替换它吗？</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Delete the setup &quot;%1&quot;? It cannot be brought back.</source>
        <translation>删除设定“%1”吗？删除后无法恢复。</translation>
    </message>
    <message>
        <location filename="../library/library_problem.cpp" line="+42"/>
        <source>The settings library %1 is locked by another program. Settings are read and stored as usual, but this session keeps no history.</source>
        <translation>设置库 %1 被另一个程序锁定。设置照常读取和存储，但本次运行不保存历史记录。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings library %1 is damaged and was left as it is. Settings are read and stored as usual, but this session keeps no history.</source>
        <translation>设置库 %1 已损坏，已保持原样未作改动。设置照常读取和存储，但本次运行不保存历史记录。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings library %1 cannot be written. Settings are read and stored as usual, and the history can be looked at, but nothing new is kept.</source>
        <translation>设置库 %1 无法写入。设置照常读取和存储，历史记录也可以查看，但不会保存新的内容。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The disk holding the settings library %1 is full. Settings are read and stored as usual, but this session keeps no history.</source>
        <translation>存放设置库 %1 的磁盘已满。设置照常读取和存储，但本次运行不保存历史记录。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings library %1 was made by a newer version of this program and was left as it is. Settings are read and stored as usual, but this session keeps no history.</source>
        <translation>设置库 %1 由本程序的较新版本创建，已保持原样未作改动。设置照常读取和存储，但本次运行不保存历史记录。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is not a settings library of this program and was left as it is. Settings are read and stored as usual, but this session keeps no history.</source>
        <translation>%1 不是本程序的设置库，已保持原样未作改动。设置照常读取和存储，但本次运行不保存历史记录。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The settings library %1 cannot be opened. Settings are read and stored as usual, but this session keeps no history.</source>
        <translation>无法打开设置库 %1。设置照常读取和存储，但本次运行不保存历史记录。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings library %1 cannot be opened (%2). Settings are read and stored as usual, but this session keeps no history.</source>
        <translation>无法打开设置库 %1（%2）。设置照常读取和存储，但本次运行不保存历史记录。</translation>
    </message>
    <message>
        <location filename="../library/library.cpp" line="+20"/>
        <source>there is no setup named &quot;%1&quot;; &apos;setup list&apos; lists them</source>
        <translation>没有名为“%1”的设定。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a setup needs a name</source>
        <translation>设定需要一个名称。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a setup&apos;s name is at most %1 bytes</source>
        <translation>设定名称最多 %1 个字节。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a setup&apos;s name holds no control characters</source>
        <translation>设定名称不能包含控制字符。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;%1&quot; would be read as a snapshot id; give the setup a name with a letter in it</source>
        <translation>“%1”会被当作快照编号；请给设定起一个不全是数字的名称。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;device&quot; stands for the attached controller; give the setup another name</source>
        <translation>“device”表示已连接的控制器；请给设定换一个名称。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a setup&apos;s name neither starts nor ends with a blank</source>
        <translation>设定名称的开头和结尾不能是空格。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>its folder cannot be made: %1</source>
        <translation>无法创建它所在的文件夹：%1</translation>
    </message>
    <message>
        <location line="+155"/>
        <source>the settings library is off</source>
        <translation>设置库未启用。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>a &quot;%1&quot; controller&apos;s record cannot be kept</source>
        <translation>无法保存“%1”电调的记录。</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>there is no snapshot %1; &apos;history&apos; lists them</source>
        <translation>没有编号为 %1 的快照。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>snapshot %1 is damaged in the library and cannot be read</source>
        <translation>设置库中的快照 %1 已损坏，无法读取。</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>a setup named &quot;%1&quot; exists already; choose another name, or replace it</source>
        <translation>已有名为“%1”的设定；请换一个名称，或替换它。</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>a setup named &quot;%1&quot; exists already; choose another name</source>
        <translation>已有名为“%1”的设定；请换一个名称。</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>the setup &quot;%1&quot; is damaged in the library and cannot be read</source>
        <translation>设置库中的设定“%1”已损坏，无法读取。</translation>
    </message>
    <message>
        <location filename="../window/window_history.cpp" line="+18"/>
        <source>%1

What the controller held before this write could not be kept in the history; the write goes ahead.</source>
        <translation>%1

无法把本次写入前控制器中的设置保存到历史记录；写入仍会继续。</translation>
    </message>
    <message>
        <location filename="../files/atomic_file.cpp" line="+14"/>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>No such file or directory</source>
        <translation>文件或文件夹不存在</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No space left on device</source>
        <translation>磁盘空间不足</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disk quota exceeded</source>
        <translation>超出磁盘配额</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read-only file system</source>
        <translation>文件系统为只读</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Is a directory</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not a directory</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Cannot create a file in %1: %2</source>
        <translation>无法在 %1 中创建文件：%2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot replace %1: %2</source>
        <translation>无法替换 %1：%2</translation>
    </message>
    <message>
        <location filename="../files/json_file_io.cpp" line="+20"/>
        <source>the file cannot be opened</source>
        <translation>无法打开该文件。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file cannot be read</source>
        <translation>无法读取该文件。</translation>
    </message>
    <message>
        <location filename="../files/json_settings_file.cpp" line="+84"/>
        <source>the file is larger than a settings file can be</source>
        <translation>文件过大，不可能是设置文件。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file nests deeper than a settings file does</source>
        <translation>文件的嵌套层数超过设置文件应有的层数。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not JSON (%1)</source>
        <translation>不是 JSON 文件（%1）。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a settings file: the file is no JSON object</source>
        <translation>不是设置文件：文件内容不是 JSON 对象。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the running log is not in the file and keeps its present values</source>
        <translation>文件中没有运行日志，运行日志保持当前数值。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>unknown key %1 left out</source>
        <translation>未知的键 %1，已忽略。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&quot;format&quot;: not a settings file; it must say &quot;%1&quot;</source>
        <translation>&quot;format&quot;：不是设置文件；此处必须写 &quot;%1&quot;。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;version&quot;: must be the format&apos;s version number, %1</source>
        <translation>&quot;version&quot;：必须是格式的版本号 %1。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;version&quot;: version %1 is not one this program reads (it reads %2)</source>
        <translation>&quot;version&quot;：本程序无法读取版本 %1（可读取版本 %2）。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;controller&quot;: missing; a settings file names the controller kind it is for</source>
        <translation>&quot;controller&quot;：缺失；设置文件需注明它适用的电调类型。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;controller.kind&quot;: the file is for a %1 controller; these settings are a full controller&apos;s</source>
        <translation>&quot;controller.kind&quot;：该文件适用于 %1 电调；这些设置属于完整型电调。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;controller.kind&quot;: the file is for another controller; these settings are a full controller&apos;s</source>
        <translation>&quot;controller.kind&quot;：该文件适用于其他电调；这些设置属于完整型电调。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&quot;controller.kind&quot;: missing; a settings file names the controller kind it is for</source>
        <translation>&quot;controller.kind&quot;：缺失；设置文件需注明它适用的电调类型。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;settings&quot;: must be an object of settings by their captions</source>
        <translation>&quot;settings&quot;：必须是以设置名称为键的对象。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown setting %1 left out</source>
        <translation>未知的设置 %1，已忽略。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>1 setting is not in the file and keeps its present value: %1</source>
        <translation>文件中缺少 1 项设置，保持当前值：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 settings are not in the file and keep their present values: %2</source>
        <translation>文件中缺少 %1 项设置，保持当前值：%2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1: give the option&apos;s &quot;index&quot; or its &quot;text&quot;</source>
        <translation>%1：请给出选项的 &quot;index&quot; 或 &quot;text&quot;。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: the index must be a whole number from 0 to %2</source>
        <translation>%1：索引必须是 0 到 %2 之间的整数。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: index %2 is outside its list (0 to %3)</source>
        <translation>%1：索引 %2 超出选项列表（0 到 %3）。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: the text must be one of its options, in quotes</source>
        <translation>%1：文本必须是它的选项之一，并加引号。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2 is not one of its options</source>
        <translation>%1：%2 不是它的选项。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: index %2 is %3, but the text says %4</source>
        <translation>%1：索引 %2 对应 %3，但文本写的是 %4。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&quot;curves&quot;: must be an object with the throttle, brake and boost curve</source>
        <translation>&quot;curves&quot;：必须是包含油门、刹车和增压曲线的对象。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown curve %1 left out</source>
        <translation>未知的曲线 %1，已忽略。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>1 curve is not in the file and keeps its present points: %1</source>
        <translation>文件中缺少 1 条曲线，保持当前的点：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 curves are not in the file and keep their present points: %2</source>
        <translation>文件中缺少 %1 条曲线，保持当前的点：%2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: must be a list of [x, y] points</source>
        <translation>%1：必须是 [x, y] 点的列表。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: a curve has 2 to %2 points, this one %3</source>
        <translation>%1：曲线应有 2 到 %2 个点，这条有 %3 个。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: point %2 must be [x, y] with two whole numbers</source>
        <translation>%1：第 %2 个点必须是由两个整数组成的 [x, y]。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: point %2 lies outside 0 to 100</source>
        <translation>%1：第 %2 个点超出 0 到 100 的范围。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: point %2 lies left of the point before it</source>
        <translation>%1：第 %2 个点位于前一个点的左侧。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: a curve ends at [100, 100] and reaches it only there</source>
        <translation>%1：曲线必须终止于 [100, 100]，且只在终点到达该点。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: a curve starts at [0, 0]</source>
        <translation>%1：曲线必须从 [0, 0] 开始。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: not a curve the editor could make</source>
        <translation>%1：这不是曲线编辑器能画出的曲线。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;runningLog&quot;: must be an object of the four running-log values</source>
        <translation>&quot;runningLog&quot;：必须是包含四项运行日志数值的对象。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: must be a number</source>
        <translation>%1：必须是数字。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2 is outside 0 to %3</source>
        <translation>%1：%2 超出 0 到 %3 的范围。</translation>
    </message>
    <message>
        <location filename="../library/run_log_store.cpp" line="+18"/>
        <source>a run&apos;s note is at most %1 bytes</source>
        <translation>一次运行的备注最多 %1 个字节。</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>there is no run %1 in the running log; &apos;log&apos; lists them</source>
        <translation>运行日志中没有第 %1 次运行。</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../pages/data_page.cpp" line="+41"/>
        <source>TO SHOW THE MINIMUM <byte value="xd"/>
BATTERY VOLTAGE WHEN <byte value="xd"/>
IN THE RUNNING</source>
        <translation>显示运行中电池的<byte value="xd"/>
最低电压</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>TO SHOW THE ESC <byte value="xd"/>
MAXIMUM TEMPERATURE <byte value="xd"/>
WHEN IN THE RUNNING</source>
        <translation>显示运行中电调的<byte value="xd"/>
最高温度</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TO SHOW THE MOTOR <byte value="xd"/>
MAXIMUM TEMPERATURE <byte value="xd"/>
WHEN IN THE RUNNING</source>
        <translation>显示运行中电机的<byte value="xd"/>
最高温度</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>TO SHOW THE MOTOR <byte value="xd"/>
MAXIMUM RPM WHEN IN <byte value="xd"/>
THE RUNNING</source>
        <translation>显示运行中电机的<byte value="xd"/>
最高转速</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>degree celsius</source>
        <translation>℃</translation>
    </message>
    <message>
        <location filename="../pages/device_info_page.cpp" line="+29"/>
        <source>DEVICE</source>
        <translation>设备</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HARDWARE</source>
        <translation>硬件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SOFTWARE</source>
        <translation>软件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INFORMATION</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>TO SHOW THE DEVICE <byte value="xd"/>
 INFORMATION</source>
        <translation>显示设备信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TO SHOW THE SOFTWARE <byte value="xd"/>
 VERSION</source>
        <translation>显示软件版本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TO SHOW THE <byte value="xd"/>
 HARDWARE INFORMATION</source>
        <translation>显示硬件信息</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TO SHOW ANY FURTHER <byte value="xd"/>
 INFORMATION ABOUT <byte value="xd"/>
THAT ESC</source>
        <translation>显示该电调的<byte value="xd"/>
其他信息</translation>
    </message>
    <message>
        <location line="+42"/>
        <location filename="../tools/artwork/backgrounds.cpp" line="+67"/>
        <location line="+1"/>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>LCD PROGRAM</source>
        <translation>LCD 编程盒</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CAR ESC</source>
        <translation>车用电调</translation>
    </message>
    <message>
        <location filename="../settings/boost_table.cpp" line="+12"/>
        <source>Boost</source>
        <translation>增压</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>IT IS THE BOOST TIMING <byte value="xd"/>
TO THE MOTOR WHEN <byte value="xd"/>
ACHIEVE THE START RPM <byte value="xd"/>
VALUE. FOR HIGHER <byte value="xd"/>
TIMING BOOST, IT CAN <byte value="xd"/>
INCREASE MORE POWER <byte value="xd"/>
TO THE MOTOR</source>
        <translation>电机转速达到起始转速时<byte value="xd"/>
给电机的增压进角。<byte value="xd"/>
增压进角越大，<byte value="xd"/>
电机动力越强</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>IT IS THE BOOST TIMING TO THE MOTOR WHEN THE BOOST TRIGGER LEVEL IS ACHIEVED. FOR HIGHER VALUE, IT CAN INCREASE MORE POWER TO THE MOTOR</source>
        <translation>达到增压触发条件时给电机的进角。数值越大，电机动力越强</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>TO SET WHERE TO TRIGGER THE BOOST TIMING POSITION. HAVING HIGHER VALUE WILL BE MORE ADVANCE TO TRIGGER THE BOOST TIMING START UP</source>
        <translation>设定增压进角开始作用的位置。数值越大，增压进角越早开始作用</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>TO SET HOW FAST TO OPEN ALL BOOST TIMING UP. HAVING HIGHER VALUE WILL BE MORE ADVANCE TO OPEN ALL BOOST TIMING UP</source>
        <translation>设定增压进角全部打开的快慢。数值越大，增压进角越早全部打开</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../settings/brake_table.cpp" line="+93"/>
        <location filename="../settings/throttle_table.cpp" line="+79"/>
        <source>Linear(*)</source>
        <translation>线性(*)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../settings/brake_table.cpp" line="+0"/>
        <location filename="../settings/throttle_table.cpp" line="+0"/>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TO CONTROL THE BOOST TIMING SLOPE RATE. FOR CUSTOM MODE, THE SLOPE RATE CAN BE ADJUSTED MANUALLY FROM THE LINEAR GRAPHIC DIRECTLY</source>
        <translation>控制增压进角的斜率。选择自定义时，可直接在曲线图上手动调整斜率</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Yes(*)</source>
        <translation>是(*)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>THIS FUNCTION CAN <byte value="xd"/>
MAKE MORE RUNNING <byte value="xd"/>
TIME OUT BECAUSE THE <byte value="xd"/>
ESC WILL LOWER THE <byte value="xd"/>
OVERALL POWER <byte value="xd"/>
DELIVERY TO THE MOTOR</source>
        <translation>此功能可延长<byte value="xd"/>
运行时间，因为电调<byte value="xd"/>
会降低输出给电机的<byte value="xd"/>
整体动力</translation>
    </message>
    <message>
        <location filename="../settings/brake_table.cpp" line="-84"/>
        <source>TO CONTROL THE INSTANT BRAKE FORCE TO THE MOTOR . HIGHER VALUE HAS MORE INITIAL BRAKE FORCE TO THE MOTOR WHEN THE BRAKE IS TRIGGERED </source>
        <translation>控制电机的瞬间刹车力。数值越大，刹车刚触发时的初始刹车力越大</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Brake</source>
        <translation>刹车</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>THE MOTOR WILL BE <byte value="xd"/>
BRAKED AUTOMATICALLY <byte value="xd"/>
WHEN THE THROTTLE <byte value="xd"/>
IS RETURNED FROM <byte value="xd"/>
FORWARD TO NEUTRAL <byte value="xd"/>
POSITION. FOR HIGHER <byte value="xd"/>
DRAG BRAKE VALUE, <byte value="xd"/>
THE MOTOR WILL HAVE <byte value="xd"/>
MORE AUTOMATIC BRAKE <byte value="xd"/>
FUNCTIONS</source>
        <translation>油门从前进回到<byte value="xd"/>
中立点时，电机会<byte value="xd"/>
自动刹车。拖刹<byte value="xd"/>
数值越大，自动<byte value="xd"/>
刹车越强</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>TO CONTROL THE MOTOR <byte value="xd"/>
BRAKE FORCE.HIGHER <byte value="xd"/>
VALUE HAVE HIGHER <byte value="xd"/>
MOTOR BRAKE FORCE</source>
        <translation>控制电机的<byte value="xd"/>
刹车力。数值越大，<byte value="xd"/>
刹车力越大</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TO CONTROL THE INITIAL BRAKE POWER RESPONSE TO THE MOTOR. HIGHER VALUE HAVE HIGHER INITIAL BRAKE RESPONSE TO THE MOTOR. HIGH TRACTION TRACK CAN ADJUST TO HIGHER VALUE. FOR LOW TRACTION TRACK, IT SHOULD SET TO LOWER VALUE</source>
        <translation>控制刹车初段的响应。数值越大，刹车初段响应越强。抓地力好的场地可调高，抓地力差的场地应调低</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>TO CONTROL THE OVERALL BRAKE POWER FEELING. HIGH VALUE HAVE MORE BRAKE POWER FEELING. HIGH TRACTION TRACK CAN ADJUST TO HIGHER VALUE. FOR LOW TRACTION TRACK, IT SHOULD SET TO LOWER VALUE</source>
        <translation>控制整体的刹车力度感。数值越大，刹车感越强。抓地力好的场地可调高，抓地力差的场地应调低</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>HIGH FREQUENCY VALUE HAVE SMOOTH BRAKE FEELING. LOW VALUE HAVE AGGRESSIVE BRAKE FEELING</source>
        <translation>频率高刹车感觉平顺，频率低刹车感觉猛烈</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TO SELECT THE LINEAR OR CUSTOM BRAKE CURVE. FOR HIGHER RPM MOTOR,THE BRAKE MAY NOT BE ENOUGH AND IT IS SUGGESTED TO USE CUSTOM CURVE TO CHANGE THE BRAKE CURVE TO INCREASE THE BRAKE POWER DELIVERY TO THE MOTOR</source>
        <translation>选择线性或自定义刹车曲线。高转速电机的刹车可能不够，建议用自定义曲线调整刹车曲线，以增加刹车力</translation>
    </message>
    <message>
        <location filename="../settings/general_table.cpp" line="+17"/>
        <location line="+55"/>
        <source>Disable</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>Auto(*)</source>
        <translation>自动(*)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> INCLUDES <byte value="xd"/>
&quot;FORWARD/BRAKE &quot; <byte value="xd"/>
&quot;FORWARD/REVERSE &quot; <byte value="xd"/>
&quot;FORWARD/BRAKE/REVERSE&quot; <byte value="xd"/>
 MODE </source>
        <translation>包括<byte value="xd"/>
“前进/刹车”<byte value="xd"/>
“前进/倒车”<byte value="xd"/>
“前进/刹车/倒车”<byte value="xd"/>
三种模式</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Forward/Brake(*)</source>
        <translation>前进/刹车(*)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Forward/Brake/Reverse</source>
        <translation>前进/刹车/倒车</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../v1/v1_settings_table.cpp" line="+36"/>
        <source>Forward/Reverse</source>
        <translation>前进/倒车</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>FOR SOME BATTERIES <byte value="xd"/>
 WHEN THEY ARE <byte value="xd"/>
OVER-DISCHARGED,<byte value="xd"/>
 THE BATTERY MAY BE <byte value="xd"/>
 GOT FAILURE,SO IT CAN <byte value="xd"/>
 USE THIS FUNCTION TO SET THE MINIMUM <byte value="xd"/>
 WORKING VOLTAGE TO <byte value="xd"/>
 PROTECT THE BATTERY</source>
        <translation>有些电池过放后<byte value="xd"/>
可能会损坏，<byte value="xd"/>
可用此功能设定<byte value="xd"/>
最低工作电压，<byte value="xd"/>
以保护电池</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>95 degree Celsius</source>
        <translation>95℃</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>105 degree Celsius(*)</source>
        <translation>105℃(*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>130 degree Celsius</source>
        <translation>130℃</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WHEN ESC DEFAULT <byte value="xd"/>
 TEMPERATURE IS <byte value="xd"/>
 ACHIEVED,IT WILL HAVE <byte value="xd"/>
 ADAPTIVE SYSTEM TO <byte value="xd"/>
 CONTROL THE MAX <byte value="xd"/>
 POWER OUTPUT TO THE <byte value="xd"/>
 MOTOR TO AVOID <byte value="xd"/>
 BURNING THE ESC </source>
        <translation>电调达到设定温度时，<byte value="xd"/>
自适应系统会限制<byte value="xd"/>
输出给电机的<byte value="xd"/>
最大功率，<byte value="xd"/>
以免烧坏电调</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../v1/v1_settings_table.cpp" line="-21"/>
        <location line="+8"/>
        <source>Normal(*)</source>
        <translation>正常(*)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reverse </source>
        <translation>反向</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IT DETERMINES THE MOTOR RUNNING DIRECTION (CLOCKWISE OR ANTI-CLOCKWISE)</source>
        <translation>决定电机的转动方向（顺时针或逆时针）</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Modify(*)</source>
        <translation>改装(*)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stock</source>
        <translation>原装</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TO RUN WITH MODIFY MOTOR (4.5T~9.5T),PLEASE SELECT <byte value="xd"/>
&quot; MODIFY &quot; MODE. TO RUN WITH STOCK MOTOR (10.5T OR OVER), PLEASE SELECT <byte value="xd"/>
&quot; STOCK &quot; MODE </source>
        <translation>使用改装电机（4.5T~9.5T）时，请选择<byte value="xd"/>
“改装”模式。使用原装电机（10.5T 及以上）时，请选择<byte value="xd"/>
“原装”模式</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>TO CONTROL THE SENSITIVITY OF THE FORWARD/BRAKE THROTTLE AT NEUTRAL POSITION. IF THE DEAD BAND VALUE IS LOWER, IT WILL BE MORE SENSITIVE TO PULL THE MOTOR UP OR DOWN IN ROTATION AT NEUTRAL POSITION</source>
        <translation>控制油门在中立点附近前进/刹车的灵敏度。死区越小，在中立点附近推拉油门时电机反应越灵敏</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>TO SELECT 6V OR 7.4V BEC OUTPUT VOLTAGE</source>
        <translation>选择 BEC 输出电压 6V 或 7.4V</translation>
    </message>
    <message>
        <location filename="../settings/settings_table.cpp" line="+20"/>
        <source>RUN MODE</source>
        <translation>运行模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D.Brake Rate</source>
        <translation>拖刹力度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VOLTAGE CUTOFF</source>
        <translation>低压保护</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ESC HEAT PROTECT</source>
        <translation>电调过热保护</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moter Rotation</source>
        <translation>电机转向</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SWITCHPOINT</source>
        <translation>切换点</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PUNCH RATE1</source>
        <translation>起步力度1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PUNCH RATE2</source>
        <translation>起步力度2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>THCURVE</source>
        <translation>油门曲线</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DRAG BRAKE</source>
        <translation>拖刹</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BRAKE STRENGTH</source>
        <translation>刹车力度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INITIAL BRAKE</source>
        <translation>初始刹车</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SWITCH POINT</source>
        <translation>切换点</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BRAKE RATE1</source>
        <translation>刹车响应1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BRAKE RATE2</source>
        <translation>刹车响应2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BRAKE CURVE</source>
        <translation>刹车曲线</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BOOST TIMING</source>
        <translation>增压进角</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <source>START RPM</source>
        <translation>起始转速</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>END RPM</source>
        <translation>结束转速</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SLOPE</source>
        <translation>斜率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>STABLITY ASSIST</source>
        <translation>稳定辅助</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TURBO TIMING</source>
        <translation>涡轮进角</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ACTIVATION METHOD</source>
        <translation>触发方式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TURBO DELAY</source>
        <translation>涡轮延迟</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TURBO SLOPE &quot;ON&quot;</source>
        <translation>涡轮开启斜率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TURBO SLOPE &quot;OFF&quot;</source>
        <translation>涡轮关闭斜率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RACE MODE</source>
        <translation>比赛模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DEAD BAND</source>
        <translation>油门死区</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BEC Output</source>
        <translation>BEC 输出</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RPM Lock</source>
        <translation>转速锁定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PROFILE</source>
        <translation>配置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>THREVERSE SPD</source>
        <translation>倒车速度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TURBO K</source>
        <translation>涡轮 K</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TURBO T</source>
        <translation>涡轮 T</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>BATT MIN VOLTAGE</source>
        <translation>电池最低电压</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ESC MAX TEMP</source>
        <translation>电调最高温度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOT MAX TEMP</source>
        <translation>电机最高温度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOT MAX RPM</source>
        <translation>电机最高转速</translation>
    </message>
    <message>
        <location filename="../settings/throttle_table.cpp" line="-67"/>
        <source>Throttle</source>
        <translation>油门</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>TO CONTROL THE POWER <byte value="xd"/>
 DELIVERY TO THE MOTOR <byte value="xd"/>
 FROM THROTTLE ZERO <byte value="xd"/>
 POSITION TO THE POINT <byte value="xd"/>
A DEFINED BY &quot;SWITCH <byte value="xd"/>
POINT&quot; ITEMS SETTING.<byte value="xd"/>
 FOR STOCK MODE,IT IS <byte value="xd"/>
 SUGGESTED TO <byte value="xd"/>
 INCREASE MORE PUNCH <byte value="xd"/>
 RATE</source>
        <translation>控制油门从零位到<byte value="xd"/>
“切换点”设定位置<byte value="xd"/>
之间输出给电机的<byte value="xd"/>
动力。原装模式下<byte value="xd"/>
建议调高起步力度</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>TO CONTROL THE INITIAL POWER TO THE MOTOR. HIGHER VALUE HAVE MORE  INITIAL POWER DELIVERY TO THE MOTOR. HIGH TRACTION TRACK CAN ADJUST TO HIGHER VALUE. FOR LOW TRACTION TRACK, IT SHOULD SET TO LOWER VALUE</source>
        <translation>控制电机起步时的动力。数值越大，起步动力越强。抓地力好的场地可调高，抓地力差的场地应调低</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>TO CONTROL THE OVERALL THROTTLE POWER FEELING. HIGH VALUE HAVE MORE THROTTLE POWER FEELING. HIGH TRACTION TRACK CAN ADJUST TO HIGHER VALUE. FOR LOW TRACTION TRACK, IT SHOULD SET TO LOWER VALUE</source>
        <translation>控制整体的油门动力感。数值越大，油门动力感越强。抓地力好的场地可调高，抓地力差的场地应调低</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>High frequency value have smooth throttle feeling. Low value have aggressive throttle feeling</source>
        <translation>频率高油门感觉平顺，频率低油门感觉猛烈</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TO LOCK THE MOTOR RPM THAT IS USED FOR DRIFT CAR. HIGHER VALUE LOCK LESS ON RPM. LOW VALUE LOCK MORE ON RPM</source>
        <translation>用于漂移车，锁定电机转速。数值越大，转速锁定越少；数值越小，转速锁定越多</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>To select the linear or custom throttle curve.In modify mode,it is suggested to use linear curve. In stock mode,it is suggested to use custom curve to change the throttle curve to increase the power delivery to the motor</source>
        <translation>选择线性或自定义油门曲线。改装模式建议用线性曲线；原装模式建议用自定义曲线调整油门曲线，以增加电机的动力输出</translation>
    </message>
    <message>
        <location filename="../settings/turbo_table.cpp" line="+9"/>
        <source>IT IS THE TURBO BOOST <byte value="xd"/>
 TIMING TO THE MOTOR.<byte value="xd"/>
 FOR HIGHER VALUE <byte value="xd"/>
 TURBO BOOST, IT CAN <byte value="xd"/>
 INCREASE MORE POWER <byte value="xd"/>
 TO THE MOTOR</source>
        <translation>给电机的涡轮进角。<byte value="xd"/>
涡轮进角越大，<byte value="xd"/>
电机动力越强</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Turbo</source>
        <translation>涡轮</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+21"/>
        <source>Instant</source>
        <translation>立即</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>IT IS THE RPM TO START <byte value="xd"/>
THE TURBO BOOST <byte value="xd"/>
TIMING. IT CAN BE <byte value="xd"/>
SELECTED BY THE <byte value="xd"/>
ACTIVATION METHOD</source>
        <translation>涡轮进角开始作用的<byte value="xd"/>
转速。是否使用由<byte value="xd"/>
触发方式选择</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>IT IS THE DELAY TIME TO START UP THE TURBO TIMING AFTER THE ACTIVATION CONDITION IS ACHIEVED. HIGHER VALUE WILL HAVE MORE DELAY TO START UP THE TURBO TIMING FUNCTION</source>
        <translation>达到触发条件后到涡轮进角开始作用的延迟时间。数值越大，涡轮进角越晚开始作用</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Full TH(*)</source>
        <translation>全油门(*)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RPM</source>
        <translation>转速</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Full TH+RPM</source>
        <translation>全油门+转速</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IF &apos;START RPM +FULL <byte value="xd"/>
 THROTTLE&apos; IS SELECTED, <byte value="xd"/>
 THAT MEAN THE TURBO <byte value="xd"/>
 TIMING BOOST WILL BE <byte value="xd"/>
 ACTIVATED WHEN RPM IS <byte value="xd"/>
 ARRIVED AND THROTTLE <byte value="xd"/>
 IS IN FULL POSTION. IF <byte value="xd"/>
&quot; FULL THROTTLE&quot; IS <byte value="xd"/>
 SELECTED, THAT MEAN <byte value="xd"/>
 THE TURBO TIMING BOOST <byte value="xd"/>
 WILL BE ACTIVATED ONLY <byte value="xd"/>
 WHEN THE THROTTLE IS IN <byte value="xd"/>
 FULL POSTION AND THE TURBO DELAY TIME IS ACHIEVED</source>
        <translation>选择“全油门+转速”时，<byte value="xd"/>
转速达到起始转速且<byte value="xd"/>
油门在全油门位置时，<byte value="xd"/>
涡轮进角开始作用。<byte value="xd"/>
选择“全油门”时，<byte value="xd"/>
只有油门在全油门<byte value="xd"/>
位置且达到涡轮延迟<byte value="xd"/>
时间后，涡轮进角<byte value="xd"/>
才开始作用</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>TO CONTROL HOW FAST TO OPEN ALL TURBO TIMING UP. HAVING HIGHER VALUE WILL BE MORE ADVANCE TO OPEN ALL TURBO TIMING UP</source>
        <translation>控制涡轮进角全部打开的快慢。数值越大，涡轮进角越快全部打开</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>TO CONTROL HOW FAST <byte value="xd"/>
 TO PULL DOWN THE <byte value="xd"/>
 MOTOR RPM WHEN THE <byte value="xd"/>
 THROTTLE IS RETURNED <byte value="xd"/>
 TO NEUTRAL POSITION. <byte value="xd"/>
 HIGHER VALUE WILL LET <byte value="xd"/>
 THE MOTOR RPM PULL <byte value="xd"/>
 DOWN MORE QUICKLY</source>
        <translation>控制油门回到中立点<byte value="xd"/>
时电机转速下降的<byte value="xd"/>
快慢。数值越大，<byte value="xd"/>
电机转速下降越快</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>USE IT TO CHANGE ACCELERATION.</source>
        <translation>用于调整加速。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>USE IT TO CHANGE END SPEED.</source>
        <translation>用于调整极速。</translation>
    </message>
    <message>
        <location filename="../tools/artwork/backgrounds.cpp" line="-34"/>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <location filename="../v1/v1_settings_table.cpp" line="-12"/>
        <source>2.6V/Cell</source>
        <translation>2.6V/节</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>2.8V/Cell</source>
        <translation>2.8V/节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.0V/Cell(*)</source>
        <translation>3.0V/节(*)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>3.2V/Cell</source>
        <translation>3.2V/节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.4V/Cell</source>
        <translation>3.4V/节</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>NOCut-Off</source>
        <translation>不保护</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very Low</source>
        <translation>很低</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Very High</source>
        <translation>很高</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Very Soft</source>
        <translation>很柔和</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Soft</source>
        <translation>柔和</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High(*)</source>
        <translation>高(*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cut-off Voltage</source>
        <translation>低压保护</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Running Mode</source>
        <translation>运行模式</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+48"/>
        <source>Forward w/o Reverse</source>
        <translation>前进无倒车</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Forward with pause then Reverse(*)</source>
        <translation>前进/停顿后倒车(*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Motor Timing</source>
        <translation>电机进角</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initial Acceleration</source>
        <translation>起步加速</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throttle Percent Reverse</source>
        <translation>倒车油门比例</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throttle Limit</source>
        <translation>油门限制</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Percentage Braking</source>
        <translation>刹车力度</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percentage Drag Brake</source>
        <translation>拖刹力度</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor Rotation</source>
        <translation>电机转向</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neutral range</source>
        <translation>中立点范围</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BEC</source>
        <translation>BEC</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Turbo Timing</source>
        <translation>涡轮进角</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boost Start RPM</source>
        <translation>增压起始转速</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Turbo Delay</source>
        <translation>涡轮延迟</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>1.Cut-off Voltage</source>
        <translation>1.低压保护</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2.Running Mode</source>
        <translation>2.运行模式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward with pause then Reverse</source>
        <translation>前进/停顿后倒车</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward(*)/Reverse</source>
        <translation>前进(*)/倒车</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>3.Motor Timing</source>
        <translation>3.电机进角</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.Initial Acceleration</source>
        <translation>4.起步加速</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5.Throttle Percent Reverse</source>
        <translation>5.倒车油门比例</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6.Throttle Limit</source>
        <translation>6.油门限制</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7.Percentage Braking</source>
        <translation>7.刹车力度</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>8.Percentage Drag Brake</source>
        <translation>8.拖刹力度</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>9.Motor Rotation</source>
        <translation>9.电机转向</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>10.Neutral range</source>
        <translation>10.中立点范围</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>11.Turbo Timing</source>
        <translation>11.涡轮进角</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OFF(*)</source>
        <translation>关闭(*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>12.Boost Start RPM</source>
        <translation>12.增压起始转速</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>13.Turbo Delay</source>
        <translation>13.涡轮延迟</translation>
    </message>
    <message>
        <location filename="../widgets/curves/curve_line.cpp" line="+216"/>
        <source>total: </source>
        <translation>总点数: </translation>
    </message>
    <message>
        <location filename="../widgets/curves/curve_lines.cpp" line="+16"/>
        <source>THROTTLE</source>
        <translation>油门</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>BRAKE</source>
        <translation>刹车</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>BOOST</source>
        <translation>增压</translation>
    </message>
    <message>
        <location filename="../widgets/v1/v1_panel_base.cpp" line="+84"/>
        <source>Settings Control</source>
        <translation>参数设置</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <location filename="../widgets/kit/language.cpp" line="+25"/>
        <source>deg</source>
        <translation>度</translation>
    </message>
</context>
</TS>
