#include "platform/dialogservice.h"

#include "platform/qtdialogservice.h"

namespace platform {

namespace {
DialogService *installedService = nullptr;

DialogService &qtService()
{
    static QtDialogService service;
    return service;
}
} // namespace

DialogService::~DialogService() = default;

QString DialogService::standardCaption(DialogKind kind)
{
    switch (kind) {
    case DialogKind::Information:
        return QStringLiteral("Information");
    case DialogKind::Error:
        return QStringLiteral("Fehler");
    case DialogKind::Warning:
        return QStringLiteral("Warnung");
    case DialogKind::Confirmation:
        return QStringLiteral("Bestätigen");
    case DialogKind::Input:
        return QStringLiteral("Eingabe");
    case DialogKind::OpenFile:
        return QStringLiteral("Öffnen");
    case DialogKind::SaveFile:
        return QStringLiteral("Speichern unter");
    case DialogKind::Folder:
        return QStringLiteral("Ordner auswählen");
    case DialogKind::PrinterSetup:
        return QStringLiteral("Druckereinrichtung");
    }
    return {};
}

DialogService &DialogService::current()
{
    return installedService ? *installedService : qtService();
}

DialogService *DialogService::install(DialogService *service)
{
    DialogService *previous = installedService;
    installedService = service;
    return previous;
}

DialogServiceGuard::DialogServiceGuard(DialogService &service)
    : m_previous(DialogService::install(&service))
{
}

DialogServiceGuard::~DialogServiceGuard()
{
    DialogService::install(m_previous);
}

} // namespace platform
