#include "link/settings/ComPortSettingsFile.h"

#include "i18n/CodePage.h"
#include "i18n/ProfileFile.h"
#include "link/port/EComPort.h"
#include "link/port/TCustomComPort.h"
#include "link/settings/ComValueText.h"

namespace
{

constexpr int defaultCustomBaudRate = 9600;

QString readText(const ProfileFile &file, const QByteArray &section, const char *key, const QString &current)
{
    return CodePage::toUnicode(file.readString(section, key, CodePage::fromUnicode(current)));
}

void readAll(TCustomComPort &port, const ProfileFile &file, const QByteArray &section)
{
    port.SetPort(readText(file, section, "Port", port.Port()));
    const TBaudRate rate =
        ComValueText::toBaudRate(readText(file, section, "BaudRate", ComValueText::text(port.BaudRate())));
    port.SetBaudRate(rate);
    if (rate == brCustom)
        port.SetCustomBaudRate(file.readInt(section, "CustomBaudRate", defaultCustomBaudRate));
    port.SetStopBits(
        ComValueText::toStopBits(readText(file, section, "StopBits", ComValueText::text(port.StopBits()))));
    port.SetDataBits(
        ComValueText::toDataBits(readText(file, section, "DataBits", ComValueText::text(port.DataBits()))));
    port.SetParityBits(
        ComValueText::toParity(readText(file, section, "Parity", ComValueText::text(port.Parity().Bits))));
    const QString flow = ComValueText::text(port.FlowControl().FlowControl());
    port.SetFlowControlPreset(ComValueText::toFlowControl(readText(file, section, "FlowControl", flow)));
}

} // namespace

void ComPortSettingsFile::LoadLineSettings(TCustomComPort &port, const QString &iniFile, const QByteArray &section)
{
    const ProfileFile file(iniFile);
    bool loaded = true;
    port.BeginSettingsUpdate();
    try {
        readAll(port, file, section);
    } catch (const std::exception &) {
        loaded = false;
    }
    try {
        port.EndSettingsUpdate();
    } catch (const std::exception &) {
        loaded = false;
    }
    if (!loaded)
        throw EComPort(EComPort::LoadSettingsFailed);
}

void ComPortSettingsFile::SaveLineSettings(const TCustomComPort &port, const QString &iniFile,
                                           const QByteArray &section)
{
    const ProfileFile file(iniFile);
    auto write = [&](const char *key, const QString &value) {
        if (!file.writeString(section, key, CodePage::fromUnicode(value)))
            throw EComPort(EComPort::StoreSettingsFailed);
    };
    write("Port", port.Port());
    write("BaudRate", ComValueText::text(port.BaudRate()));
    if (port.BaudRate() == brCustom)
        write("CustomBaudRate", QString::number(port.CustomBaudRate()));
    write("StopBits", ComValueText::text(port.StopBits()));
    write("DataBits", ComValueText::text(port.DataBits()));
    write("Parity", ComValueText::text(port.Parity().Bits));
    write("FlowControl", ComValueText::text(port.FlowControl().FlowControl()));
}
