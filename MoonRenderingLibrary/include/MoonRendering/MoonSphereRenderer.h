// SPDX-License-Identifier: MIT
#pragma once

#include "MoonRendering/BoundedCache.h"
#include "MoonRendering/MoonShadeParams.h"

#include <QImage>
#include <QMutex>
#include <QString>

#include <atomic>
#include <map>
#include <memory>
#include <optional>

class QObject;
class QRhi;
class QRhiBuffer;
class QRhiComputePipeline;
class QRhiSampler;
class QRhiShaderResourceBindings;
class QRhiTexture;
class QThread;

namespace lunafold {

class GpuHost;

/// Shades the moon as a sphere on the GPU (QRhi compute, shaders/moonKernels.comp) from the two
/// surface maps, and keeps the finished pictures. Without GPU compute the same sphere is shaded on
/// the CPU (CpuSphereShader). Yields nothing when there are no maps, so the caller can fall back to
/// the flat picture.
///
/// Renders run synchronously on the calling thread, including the wait for the GPU. GPU work happens
/// only on the thread that created the renderer (the GUI thread for shared()); elsewhere only the
/// caches answer. CPU shading may run on any thread. No shading is done while the application is
/// not active.
class MoonSphereRenderer {
  public:
    /// Which backend shades. Automatic reads LUNAFOLD_RHI (vulkan, opengl, cpu or none) and
    /// otherwise tries Vulkan, then OpenGL, as far as the platform plugin offers them with compute,
    /// then the CPU. Cpu skips the GPU; None shades nothing (the flat picture).
    enum class Backend { Automatic, Vulkan, OpenGL, Cpu, None };
    struct Options {
        Backend backend = Backend::Automatic;
        /// Folder holding moon_albedo.png and moon_normal.png; empty: the compiled-in maps.
        QString textureDirectory;
    };

    /// The process's renderer, created on first use (thread-safe) and never released.
    static MoonSphereRenderer &shared();

    /// A renderer of its own, for tests and tools; needs a QGuiApplication for a GPU.
    explicit MoonSphereRenderer(Options options);
    ~MoonSphereRenderer();
    MoonSphereRenderer(const MoonSphereRenderer &) = delete;
    MoonSphereRenderer &operator=(const MoonSphereRenderer &) = delete;

    /// The sphere, size × size pixels (size truncated, at least 1), Format_RGBA8888_Premultiplied.
    /// Served from the cache when the key has been rendered; while the app is inactive, or after a
    /// failed pass, the last picture of that size (possibly another phase) or nothing.
    /// @param light towards the Sun (x right, y up, z viewer), normalised here
    std::optional<QImage> renderSphere(double size, LightDirection light, float shadeConstantA,
                                       float shadeConstantB, float fractionTerm);
    /// The shading unrolled over longitude and latitude: width × (width ÷ 2) (width at least 2).
    /// Nothing while inactive or on any failure.
    std::optional<QImage> bakeEquirect(double width, LightDirection light, float shadeConstantA,
                                       float shadeConstantB, float fractionTerm);
    /// Loads both maps on the first call, never again. @return whether both are ready to shade from
    bool loadTexturesIfNeeded();

    bool hasDevice() const { return device != nullptr; }
    /// "Vulkan", "OpenGL" (QRhi's names), "CPU" or "none".
    QString backendName() const;
    /// Shading passes run so far (sphere and bake, on the GPU or the CPU).
    quint64 passCount() const { return m_passes.load(); }
    /// How often the maps were read (0 or 1).
    int textureLoadAttempts() const { return m_textureLoadAttempts.load(); }
    void setAppActive(bool active) { appActive.store(active); }
    bool isAppActive() const { return appActive.load(); }
    void setMirrorLongitude(bool mirror) { mirrorLongitude.store(mirror); }
    bool mirrorsLongitude() const { return mirrorLongitude.load(); }
    /// Empties both caches and the last pictures (benchmarks, memory warnings).
    void clearCaches();

  private:
    void createDevice(Backend backend);
    void releaseDevice();
    void createPipelines();
    std::unique_ptr<QRhiTexture> uploadMipChain(const class MipChain &chain);
    std::optional<QImage> runPass(QRhiComputePipeline *kernel, QSize outputSize,
                                  const MoonShadeParams &params);
    std::optional<QImage> lastImage(int size);
    bool mayUseGpu() const;

    // The GPU: the QRhi, what it runs on (Vulkan instance or GL surface), the two kernels.
    std::unique_ptr<QRhi> device;
    std::unique_ptr<GpuHost> queue;
    std::unique_ptr<QRhiComputePipeline> pipeline;     // "moonSphereKernel"
    std::unique_ptr<QRhiComputePipeline> bakePipeline; // "moonEquirectBakeKernel"
    std::unique_ptr<QRhiTexture> albedo;               // "moon_albedo", decoded from sRGB, mipmapped
    std::unique_ptr<QRhiTexture> normal;               // "moon_normal", mipmapped
    bool didAttemptTextureLoad = false;
    QMutex textureLock; // albedo, normal, didAttemptTextureLoad
    BoundedCache<QImage> cache{120};
    std::map<int, QImage> lastImageBySize;
    QMutex lastImageLock;
    std::atomic<bool> mirrorLongitude{false};
    std::atomic<bool> appActive{true};
    BoundedCache<QImage> bakeCache{60};

    Options m_options;
    QThread *m_gpuThread = nullptr;
    QMutex m_gpuLock; // one pass at a time on the QRhi
    std::unique_ptr<QRhiBuffer> m_params;
    std::unique_ptr<QRhiSampler> m_sampler;
    std::unique_ptr<QRhiTexture> m_placeholderInput, m_placeholderOutput;
    std::unique_ptr<QRhiShaderResourceBindings> m_layout; // the kernels' binding layout
    std::unique_ptr<QObject> m_stateWatcher;
    std::unique_ptr<class CpuSphereShader> m_cpu; // without GPU compute, once the maps are loaded
    bool m_cpuAllowed = false;
    std::atomic<quint64> m_passes{0};
    std::atomic<int> m_textureLoadAttempts{0};
};

} // namespace lunafold
