#include "link/settings/TComSelect.h"

#include "link/settings/ComValueText.h"

QStringList TComSelect::ItemTexts() const
{
    QStringList texts;
    switch (m_property) {
    case cpNone:
        break;
    case cpPort:
        ListPortNames(texts, m_port ? m_port->System() : *SerialSystem::platform());
        break;
    case cpBaudRate:
        texts = ComValueText::baudRateTexts();
        break;
    case cpDataBits:
        texts = ComValueText::dataBitsTexts();
        break;
    case cpStopBits:
        texts = ComValueText::stopBitsTexts();
        break;
    case cpParity:
        texts = ComValueText::parityTexts();
        break;
    case cpFlowControl:
        texts = ComValueText::flowControlTexts();
        break;
    }
    return texts;
}

QString TComSelect::CurrentText() const
{
    if (!m_port)
        return {};
    switch (m_property) {
    case cpNone:
        break;
    case cpPort:
        return m_port->Port();
    case cpBaudRate:
        return ComValueText::text(m_port->BaudRate());
    case cpDataBits:
        return ComValueText::text(m_port->DataBits());
    case cpStopBits:
        return ComValueText::text(m_port->StopBits());
    case cpParity:
        return ComValueText::text(m_port->Parity().Bits);
    case cpFlowControl:
        return ComValueText::text(m_port->FlowControl().FlowControl());
    }
    return {};
}

void TComSelect::ApplySelection()
{
    if (!m_port || m_selected.isEmpty())
        return;
    switch (m_property) {
    case cpNone:
        break;
    case cpPort:
        m_port->SetPort(m_selected);
        break;
    case cpBaudRate:
        m_port->SetBaudRate(ComValueText::toBaudRate(m_selected));
        break;
    case cpDataBits:
        m_port->SetDataBits(ComValueText::toDataBits(m_selected));
        break;
    case cpStopBits:
        m_port->SetStopBits(ComValueText::toStopBits(m_selected));
        break;
    case cpParity:
        m_port->SetParityBits(ComValueText::toParity(m_selected));
        break;
    case cpFlowControl:
        m_port->SetFlowControlPreset(ComValueText::toFlowControl(m_selected));
        break;
    }
}
