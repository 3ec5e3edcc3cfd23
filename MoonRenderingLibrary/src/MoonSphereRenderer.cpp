// SPDX-License-Identifier: MIT
#include "MoonRendering/MoonSphereRenderer.h"

#include "GpuHost.h"
#include "MoonRendering/CpuSphereShader.h"
#include "MoonRendering/MoonShading.h"
#include "MoonRendering/ResourceBundle.h"

#include <QtGui/private/qrhi_p.h>
#include <QtGui/private/qshader_p.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QThread>

#include <cmath>

namespace lunafold {
namespace {

// The kernels' bindings, shared by both.
constexpr int kAlbedoBinding = 0;
constexpr int kNormalBinding = 1;
constexpr int kOutputBinding = 2;
constexpr int kParamsBinding = 3;
constexpr int kLocalSize = 8; // local_size_x and _y of the kernels

// Larger sides gain nothing on any screen and would cost hundreds of megabytes.
constexpr int kMaxSide = 8192;

MoonSphereRenderer::Backend backendFromEnvironment() {
    const QByteArray choice = qgetenv("LUNAFOLD_RHI").toLower();
    if (choice == "vulkan")
        return MoonSphereRenderer::Backend::Vulkan;
    if (choice == "opengl" || choice == "gl")
        return MoonSphereRenderer::Backend::OpenGL;
    if (choice == "cpu")
        return MoonSphereRenderer::Backend::Cpu;
    if (choice == "none")
        return MoonSphereRenderer::Backend::None;
    return MoonSphereRenderer::Backend::Automatic;
}

QShader loadShader(const QString &name) {
    QFile file(QDir(MoonRendering::resourceBundlePath()).filePath(QStringLiteral("shaders/") + name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QShader::fromSerialized(file.readAll());
}

// Sizes arrive as doubles from layout code; anything not finite or absurd is refused.
std::optional<int> pixelSide(double size, int minimum) {
    if (!std::isfinite(size))
        return std::nullopt;
    const double truncated = std::trunc(size);
    if (truncated > kMaxSide)
        return std::nullopt;
    return std::max(minimum, static_cast<int>(std::max(truncated, 0.0)));
}

} // namespace

MoonSphereRenderer &MoonSphereRenderer::shared() {
    static MoonSphereRenderer *instance = new MoonSphereRenderer(Options{}); // never released
    return *instance;
}

MoonSphereRenderer::MoonSphereRenderer(Options options) : m_options(std::move(options)) {
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (app) {
        m_stateWatcher = std::make_unique<QObject>();
        QObject::connect(app, &QGuiApplication::applicationStateChanged, m_stateWatcher.get(),
                         [this](Qt::ApplicationState state) {
                             if (state == Qt::ApplicationActive)
                                 appActive.store(true);
                             else if (state == Qt::ApplicationSuspended || state == Qt::ApplicationHidden)
                                 appActive.store(false);
                         });
    }
    const Backend backend =
        m_options.backend == Backend::Automatic ? backendFromEnvironment() : m_options.backend;
    // A QRhi belongs to one thread (an OpenGL context cannot move), so only the GUI thread makes one.
    if (app && QThread::currentThread() == app->thread() && backend != Backend::Cpu &&
        backend != Backend::None) {
        createDevice(backend);
        if (device) {
            m_gpuThread = QThread::currentThread();
            createPipelines();
            if (!pipeline)
                releaseDevice(); // a GPU that cannot run the kernel is no GPU compute
        }
    }
    m_cpuAllowed = !device && backend != Backend::None;
}

MoonSphereRenderer::~MoonSphereRenderer() {
    releaseDevice();
}

void MoonSphereRenderer::releaseDevice() {
    // Every QRhi resource goes before the QRhi, and the QRhi before its Vulkan instance or surface.
    pipeline.reset();
    bakePipeline.reset();
    m_layout.reset();
    albedo.reset();
    normal.reset();
    m_params.reset();
    m_sampler.reset();
    m_placeholderInput.reset();
    m_placeholderOutput.reset();
    device.reset();
    queue.reset();
}

void MoonSphereRenderer::createDevice(Backend backend) {
    std::pair<std::unique_ptr<GpuHost>, std::unique_ptr<QRhi>> made;
    if (backend == Backend::Vulkan || backend == Backend::Automatic)
        made = GpuHost::createVulkan();
    if (!made.second && (backend == Backend::OpenGL || backend == Backend::Automatic))
        made = GpuHost::createOpenGL();
    if (!made.second)
        return;
    if (!made.second->isFeatureSupported(QRhi::Compute))
        return;
    queue = std::move(made.first);
    device = std::move(made.second);
}

void MoonSphereRenderer::createPipelines() {
    const QShader sphere = loadShader(QStringLiteral("moonSphereKernel.comp.qsb"));
    if (!sphere.isValid())
        return; // without the sphere kernel neither pipeline is made
    const QShader bake = loadShader(QStringLiteral("moonEquirectBakeKernel.comp.qsb"));

    m_params.reset(
        device->newBuffer(QRhiBuffer::Dynamic, QRhiBuffer::UniformBuffer, sizeof(MoonShadeParams)));
    m_sampler.reset(device->newSampler(QRhiSampler::Linear, QRhiSampler::Linear, QRhiSampler::Linear,
                                       QRhiSampler::Repeat, QRhiSampler::ClampToEdge));
    m_placeholderInput.reset(device->newTexture(QRhiTexture::RGBA8, QSize(1, 1)));
    m_placeholderOutput.reset(
        device->newTexture(QRhiTexture::RGBA8, QSize(1, 1), 1, QRhiTexture::UsedWithLoadStore));
    if (!m_params->create() || !m_sampler->create() || !m_placeholderInput->create() ||
        !m_placeholderOutput->create())
        return;
    // Pipelines are built against placeholders; each pass binds the real textures with the same layout.
    const auto stage = QRhiShaderResourceBinding::ComputeStage;
    m_layout.reset(device->newShaderResourceBindings());
    m_layout->setBindings({
        QRhiShaderResourceBinding::sampledTexture(kAlbedoBinding, stage, m_placeholderInput.get(),
                                                  m_sampler.get()),
        QRhiShaderResourceBinding::sampledTexture(kNormalBinding, stage, m_placeholderInput.get(),
                                                  m_sampler.get()),
        QRhiShaderResourceBinding::imageStore(kOutputBinding, stage, m_placeholderOutput.get(), 0),
        QRhiShaderResourceBinding::uniformBuffer(kParamsBinding, stage, m_params.get()),
    });
    if (!m_layout->create())
        return;
    const auto build = [this](const QShader &shader) -> std::unique_ptr<QRhiComputePipeline> {
        std::unique_ptr<QRhiComputePipeline> p(device->newComputePipeline());
        p->setShaderStage({QRhiShaderStage::Compute, shader});
        p->setShaderResourceBindings(m_layout.get());
        if (!p->create())
            return nullptr;
        return p;
    };
    pipeline = build(sphere);
    if (pipeline && bake.isValid())
        bakePipeline = build(bake);
}

QString MoonSphereRenderer::backendName() const {
    if (device)
        return QString::fromLatin1(device->backendName());
    return m_cpuAllowed ? QStringLiteral("CPU") : QStringLiteral("none");
}

bool MoonSphereRenderer::mayUseGpu() const {
    return device && QThread::currentThread() == m_gpuThread;
}

std::unique_ptr<QRhiTexture> MoonSphereRenderer::uploadMipChain(const MipChain &chain) {
    // Both maps go up decoded to linear values in half floats, every level from the same bytes the CPU
    // twin samples. An sRGB RGBA8 texture would do the decoding in hardware, but QRhi 6.4's OpenGL
    // backend ignores the sRGB flag and llvmpipe filters 8-bit texels with 8-bit weights (normals off
    // by a degree, up to 20 levels of difference at the terminator); half floats filter alike everywhere.
    std::unique_ptr<QRhiTexture> texture(
        device->newTexture(QRhiTexture::RGBA16F, chain.size(), 1, QRhiTexture::MipMapped));
    if (!texture->create() || device->mipLevelsForSize(chain.size()) != chain.levelCount())
        return nullptr;
    std::vector<QByteArray> texels; // must outlive the upload
    texels.reserve(std::size_t(chain.levelCount()));
    QVarLengthArray<QRhiTextureUploadEntry, 16> entries;
    for (int level = 0; level < chain.levelCount(); ++level) {
        texels.push_back(chain.linearHalfFloats(level));
        entries.append(QRhiTextureUploadEntry(0, level,
                                              QRhiTextureSubresourceUploadDescription(
                                                  texels.back().constData(), quint32(texels.back().size()))));
    }
    QRhiTextureUploadDescription description;
    description.setEntries(entries.cbegin(), entries.cend());

    QRhiCommandBuffer *cb = nullptr;
    if (device->beginOffscreenFrame(&cb) != QRhi::FrameOpSuccess)
        return nullptr;
    QRhiResourceUpdateBatch *batch = device->nextResourceUpdateBatch();
    batch->uploadTexture(texture.get(), description);
    cb->resourceUpdate(batch);
    if (device->endOffscreenFrame() != QRhi::FrameOpSuccess)
        return nullptr;
    return texture;
}

bool MoonSphereRenderer::loadTexturesIfNeeded() {
    QMutexLocker lock(&textureLock);
    if (didAttemptTextureLoad)
        return m_cpu || (albedo && normal);
    if (device && !mayUseGpu())
        return false; // not the GPU's thread: leave the one attempt to it
    didAttemptTextureLoad = true;
    if (!device && !m_cpuAllowed)
        return false;
    ++m_textureLoadAttempts;
    const QString directory = m_options.textureDirectory.isEmpty() ? MoonRendering::resourceBundlePath()
                                                                   : m_options.textureDirectory;
    std::optional<SurfaceTextures> maps = loadSurfaceTextures(directory);
    if (!maps)
        return false;
    if (!device) {
        m_cpu = std::make_unique<CpuSphereShader>(std::move(*maps));
        return true;
    }
    QMutexLocker gpu(&m_gpuLock);
    std::unique_ptr<QRhiTexture> colour = uploadMipChain(maps->albedo);
    if (!colour)
        return false;
    std::unique_ptr<QRhiTexture> normals = uploadMipChain(maps->normal);
    if (!normals)
        return false;
    albedo = std::move(colour);
    normal = std::move(normals);
    return true;
}

std::optional<QImage> MoonSphereRenderer::runPass(QRhiComputePipeline *kernel, QSize outputSize,
                                                  const MoonShadeParams &params) {
    QMutexLocker gpu(&m_gpuLock);
    std::unique_ptr<QRhiTexture> output(
        device->newTexture(QRhiTexture::RGBA8, outputSize, 1, QRhiTexture::UsedWithLoadStore));
    if (!output->create())
        return std::nullopt;
    const auto stage = QRhiShaderResourceBinding::ComputeStage;
    std::unique_ptr<QRhiShaderResourceBindings> bindings(device->newShaderResourceBindings());
    bindings->setBindings({
        QRhiShaderResourceBinding::sampledTexture(kAlbedoBinding, stage, albedo.get(), m_sampler.get()),
        QRhiShaderResourceBinding::sampledTexture(kNormalBinding, stage, normal.get(), m_sampler.get()),
        QRhiShaderResourceBinding::imageStore(kOutputBinding, stage, output.get(), 0),
        QRhiShaderResourceBinding::uniformBuffer(kParamsBinding, stage, m_params.get()),
    });
    if (!bindings->create())
        return std::nullopt;

    QRhiCommandBuffer *cb = nullptr;
    if (device->beginOffscreenFrame(&cb) != QRhi::FrameOpSuccess)
        return std::nullopt;
    QRhiResourceUpdateBatch *updates = device->nextResourceUpdateBatch();
    updates->updateDynamicBuffer(m_params.get(), 0, sizeof(MoonShadeParams), &params);
    cb->beginComputePass(updates);
    cb->setComputePipeline(kernel);
    cb->setShaderResources(bindings.get());
    cb->dispatch((outputSize.width() + kLocalSize - 1) / kLocalSize,
                 (outputSize.height() + kLocalSize - 1) / kLocalSize, 1);
    QRhiReadbackResult readback;
    QRhiResourceUpdateBatch *readbacks = device->nextResourceUpdateBatch();
    readbacks->readBackTexture(QRhiReadbackDescription(output.get()), &readback);
    cb->endComputePass(readbacks);
    const QRhi::FrameOpResult result = device->endOffscreenFrame(); // waits for the GPU
    ++m_passes;
    const qsizetype expected = qsizetype(4) * outputSize.width() * outputSize.height();
    if (result != QRhi::FrameOpSuccess || readback.data.size() != expected)
        return std::nullopt;
    // The kernel writes premultiplied RGBA, rows from the top.
    QImage image(reinterpret_cast<const uchar *>(readback.data.constData()), outputSize.width(),
                 outputSize.height(), 4 * outputSize.width(), QImage::Format_RGBA8888_Premultiplied);
    QImage copy = image.copy();
    if (copy.isNull())
        return std::nullopt;
    return copy;
}

std::optional<QImage> MoonSphereRenderer::lastImage(int size) {
    QMutexLocker lock(&lastImageLock);
    const auto it = lastImageBySize.find(size);
    if (it == lastImageBySize.end())
        return std::nullopt;
    return it->second;
}

std::optional<QImage> MoonSphereRenderer::renderSphere(double size, LightDirection light,
                                                       float shadeConstantA, float shadeConstantB,
                                                       float fractionTerm) {
    if (!loadTexturesIfNeeded() || !(m_cpu || (pipeline && queue && albedo && normal)))
        return std::nullopt;
    const std::optional<int> n = pixelSide(size, 1);
    const std::optional<MoonShadeParams> params =
        makeShadeParams(light, shadeConstantA, shadeConstantB, fractionTerm, mirrorLongitude.load());
    if (!n || !params)
        return std::nullopt;
    const QString key = sphereCacheKey(*n, *params);
    if (std::optional<QImage> hit = cache.object(key))
        return hit;
    if (!appActive.load() || (!m_cpu && !mayUseGpu()))
        return lastImage(*n);
    std::optional<QImage> image;
    if (m_cpu) {
        ++m_passes;
        image = m_cpu->shadeSphere(*n, *params);
        if (image->isNull())
            image.reset();
    } else {
        image = runPass(pipeline.get(), QSize(*n, *n), *params);
    }
    if (!image)
        return lastImage(*n);
    cache.insert(key, *image);
    {
        QMutexLocker lock(&lastImageLock);
        lastImageBySize[*n] = *image;
    }
    return image;
}

std::optional<QImage> MoonSphereRenderer::bakeEquirect(double width, LightDirection light,
                                                       float shadeConstantA, float shadeConstantB,
                                                       float fractionTerm) {
    if (!loadTexturesIfNeeded() || !(m_cpu || (bakePipeline && queue && albedo && normal)))
        return std::nullopt;
    const std::optional<int> w = pixelSide(width, 2);
    const std::optional<MoonShadeParams> params =
        makeShadeParams(light, shadeConstantA, shadeConstantB, fractionTerm, mirrorLongitude.load());
    if (!w || !params)
        return std::nullopt;
    const QString key = bakeCacheKey(*w, *params);
    if (std::optional<QImage> hit = bakeCache.object(key))
        return hit;
    if (!appActive.load() || (!m_cpu && !mayUseGpu()))
        return std::nullopt;
    std::optional<QImage> image;
    if (m_cpu) {
        ++m_passes;
        image = m_cpu->bakeEquirect(*w, *params);
        if (image->isNull())
            image.reset();
    } else {
        image = runPass(bakePipeline.get(), QSize(*w, *w / 2), *params);
    }
    if (image)
        bakeCache.insert(key, *image);
    return image;
}

void MoonSphereRenderer::clearCaches() {
    cache.clear();
    bakeCache.clear();
    QMutexLocker lock(&lastImageLock);
    lastImageBySize.clear();
}

} // namespace lunafold
