// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen_cast_portal.h"
#include "platform/store/restore_token_file.h"

#include <QDBusConnection>
#include <QString>
#include <QVariantMap>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QDBusMessage;

namespace tessavundo {

class PortalRequest;

// Opens the stream of one node on a PipeWire remote whose descriptor it takes over: the real
// PipeWire consumer, or in tests one that only records what it was given.
using ScreenCastStreamOpener = std::function<std::unique_ptr<ScreenCastStream>(
    int remoteFd, std::uint32_t nodeId, std::string& error)>;

// What a screen-cast portal offers, from its AvailableSourceTypes and AvailableCursorModes:
// whether it can share monitors with the pointer's position sent beside the pixels (cursor mode
// METADATA). The pointer drawn into the pixels would hide the pixel under it.
bool CanShareMonitorsWithPointer(const QVariantMap& properties);

// xdg-desktop-portal's org.freedesktop.portal.ScreenCast on the session bus: CreateSession,
// SelectSources (monitors, several allowed, the pointer as metadata, kept until revoked with
// the restore token of the last session), Start, then OpenPipeWireRemote and one stream per
// monitor. Every call is asynchronous. A restore token the desktop no longer accepts is dropped
// and the session asked for once more, with the dialog.
class DesktopScreenCastPortal final : public ScreenCastPortal {
    Q_OBJECT

public:
    // On the session bus, connected at the first start.
    DesktopScreenCastPortal(RestoreTokenFile tokens, ScreenCastStreamOpener openStream);
    DesktopScreenCastPortal(const QDBusConnection& bus, RestoreTokenFile tokens,
                            ScreenCastStreamOpener openStream);
    ~DesktopScreenCastPortal() override;
    DesktopScreenCastPortal(const DesktopScreenCastPortal&) = delete;
    DesktopScreenCastPortal& operator=(const DesktopScreenCastPortal&) = delete;
    DesktopScreenCastPortal(DesktopScreenCastPortal&&) = delete;
    DesktopScreenCastPortal& operator=(DesktopScreenCastPortal&&) = delete;

    void Start(WId parent) override;
    void Stop() override;
    [[nodiscard]] const std::vector<ScreenCastMonitor>& Monitors() const override;

private:
    void CapabilitiesReplied(bool capable);
    void CreateSession();
    void SelectSources();
    void StartCast();
    void CastStarted(const QVariantMap& results);
    void OpenStreams(int remoteFd);
    // A step the desktop failed: with a restore token, likely the token; without, the desktop.
    void StepFailed();
    void Fail(ScreenCastFailure failure);
    void CloseSession();
    // Sends one request of the session's run; `next` takes a successful answer's results.
    void Ask(const QString& method, const QList<QVariant>& arguments, QVariantMap options,
             std::function<void(const QVariantMap&)> next);
    void DropRequest();
    QString NextToken();

    std::optional<QDBusConnection> bus_;
    RestoreTokenFile tokens_;
    ScreenCastStreamOpener openStream_;
    // Whether the portal can share monitors with the pointer, once asked.
    std::optional<bool> capable_;
    QString parentWindow_;
    // Each start and stop begins a new run; answers of an older run are no answers.
    std::uint64_t run_ = 0;
    bool running_ = false;
    PortalRequest* request_ = nullptr;
    QString session_;
    // The restore token this run's SelectSources carried, empty when none.
    QString usedToken_;
    QList<std::pair<std::uint32_t, QRect>> pendingStreams_;
    std::vector<ScreenCastMonitor> monitors_;
};

} // namespace tessavundo
