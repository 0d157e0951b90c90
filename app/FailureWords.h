#pragma once

#include "document/DocumentErrors.h"
#include "i18n/KeptTexts.h"

#include <QString>

#include <exception>

class EComPort;

// The operator's words for a failure in the chosen language. A port that did
// not open is told with its name, the reason and the system's number; a
// language without those texts, and every other failure, keeps the failure's
// own message.
QString FailureInWords(const std::exception &failure, const KeptTexts &texts);
QString PortFailureInWords(const EComPort &failure, const KeptTexts &texts);

// The words of file failures among the texts.
FileFailureWords FileFailureWordsOf(const KeptTexts &texts);
