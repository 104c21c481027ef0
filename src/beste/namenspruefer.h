#pragma once

#include <QValidator>

namespace beste {
// Lets into the name field only what the high-score file can store: characters
// with a Windows-1252 byte, and no control characters.
class TNamensPruefer : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& eingabe, int& position) const override;
};

} // namespace beste
