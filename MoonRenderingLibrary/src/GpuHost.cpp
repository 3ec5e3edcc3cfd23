// SPDX-License-Identifier: MIT
#include "GpuHost.h"

#include <QtGui/private/qrhi_p.h>
#include <QtGui/private/qrhigles2_p.h>
#include <QtGui/private/qrhivulkan_p.h>

#include <QGuiApplication>
#include <QVulkanInstance>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformintegration.h>

namespace lunafold {
namespace {

bool platformOffers(QPlatformIntegration::Capability capability) {
    const QPlatformIntegration *platform = QGuiApplicationPrivate::platformIntegration();
    return platform && platform->hasCapability(capability);
}

} // namespace

std::pair<std::unique_ptr<GpuHost>, std::unique_ptr<QRhi>> GpuHost::createVulkan() {
    // One Vulkan instance for the process: with one per QRhi, Qt 6.4 crashes destroying a QRhi
    // after another instance has gone. Qt 6.4 has no capability flag for Vulkan; the instance itself
    // fails where the platform plugin has none, and is not tried again.
    static QVulkanInstance *const instance = [] {
        auto *made = new QVulkanInstance; // never released
        made->setExtensions(QRhiVulkanInitParams::preferredInstanceExtensions());
        made->create();
        return made;
    }();
    if (!instance->isValid())
        return {};
    QRhiVulkanInitParams params;
    params.inst = instance;
    std::unique_ptr<QRhi> rhi(QRhi::create(QRhi::Vulkan, &params));
    if (!rhi)
        return {};
    auto host = std::make_unique<GpuHost>();
    host->m_vulkan = instance;
    return {std::move(host), std::move(rhi)};
}

std::pair<std::unique_ptr<GpuHost>, std::unique_ptr<QRhi>> GpuHost::createOpenGL() {
    if (!platformOffers(QPlatformIntegration::OpenGL))
        return {};
    auto host = std::make_unique<GpuHost>();
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    host->m_surface.reset(QRhiGles2InitParams::newFallbackSurface(format));
    QRhiGles2InitParams params;
    params.format = format;
    params.fallbackSurface = host->m_surface.get();
    std::unique_ptr<QRhi> rhi(QRhi::create(QRhi::OpenGLES2, &params));
    if (!rhi)
        return {};
    return {std::move(host), std::move(rhi)};
}

} // namespace lunafold
