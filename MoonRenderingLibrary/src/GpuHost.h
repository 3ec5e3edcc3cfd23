// SPDX-License-Identifier: MIT
#pragma once

#include <QOffscreenSurface>

#include <memory>

class QRhi;
class QVulkanInstance;

namespace lunafold {

/// What a QRhi runs on: the process's Vulkan instance, or an OpenGL fallback surface of its own.
/// Outlives its QRhi.
class GpuHost {
  public:
    /// Vulkan through the platform plugin (vkkhrdisplay, xcb, wayland); nothing without it.
    static std::pair<std::unique_ptr<GpuHost>, std::unique_ptr<QRhi>> createVulkan();
    /// OpenGL through an offscreen surface; nothing without a context.
    static std::pair<std::unique_ptr<GpuHost>, std::unique_ptr<QRhi>> createOpenGL();

  private:
    QVulkanInstance *m_vulkan = nullptr; // shared, never released
    std::unique_ptr<QOffscreenSurface> m_surface;
};

} // namespace lunafold
