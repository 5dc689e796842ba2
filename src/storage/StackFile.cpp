#include "storage/StackFile.h"

#include "calculator/Calculator.h"
#include "storage/FileAccess.h"
#include "storage/Messages.h"
#include "storage/StackFileFormat.h"

#include <algorithm>
#include <variant>

namespace quarnel::storage {

QString stackFileName(const QString& chosenName) {
    const qsizetype slash = std::max(chosenName.lastIndexOf(QLatin1Char('/')),
                                     chosenName.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = chosenName.lastIndexOf(QLatin1Char('.'));
    if (dot > slash) {
        return chosenName.left(dot) + QStringLiteral(".STK");
    }
    return chosenName + QStringLiteral(".STK");
}

std::optional<Failure> saveStackFile(const QString& chosenName,
                                     const calculator::Calculator& calculator) {
    const QString path = stackFileName(chosenName);
    const std::string text =
        encodeStackFile(calculator.currentBase(), calculator.wordSize(), calculator.stack());
    if (auto reason = writeFileAtomically(path, text, LinkPolicy::Follow)) {
        return Failure{messages::cannotCreateFile(path), *reason};
    }
    return std::nullopt;
}

std::optional<Failure> loadStackFile(const QString& path, calculator::Calculator& calculator) {
    auto content = readWholeFile(path);
    if (auto* reason = std::get_if<QString>(&content)) {
        return Failure{messages::cannotOpenFile(path), *reason};
    }
    const QByteArray& bytes = std::get<QByteArray>(content);
    auto parsed =
        parseStackFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (auto* problem = std::get_if<StackFileProblem>(&parsed)) {
        switch (problem->kind) {
        case StackFileProblem::Kind::TooFewLines:
            return Failure{messages::listIndexOutOfBounds(), {}};
        case StackFileProblem::Kind::BadWordSize:
            return Failure{messages::notAValidInteger(displayText(problem->text)), {}};
        case StackFileProblem::Kind::InvalidEntry: {
            const std::string_view word = baseWord(problem->base);
            return Failure{
                messages::invalidEntry(
                    path, static_cast<qsizetype>(problem->line), displayText(problem->text),
                    QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()))),
                {}};
        }
        }
    }
    StackFileData& data = std::get<StackFileData>(parsed);
    calculator.loadStackFile(data.base, data.wordSize, std::move(data.entries));
    return std::nullopt;
}

} // namespace quarnel::storage
