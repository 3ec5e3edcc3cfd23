// SPDX-License-Identifier: MIT
#version 440
// The moon's two kernels from one source: built as "moonSphereKernel" (a unit sphere seen face-on,
// n × n, transparent outside the disc) and, with MOON_EQUIRECT_BAKE, as "moonEquirectBakeKernel"
// (the same shading unrolled over longitude and latitude into a 2:1 rectangle).
// src/MoonShading.cpp is the CPU twin of this file; keep the two in step.
//
// What the parameters do (all light values are linear, before sRGB encoding):
//   light          unit vector towards the Sun; x right, y up, z towards the viewer (and the Earth).
//   shadeConstantA earthshine: the night side is lit from the Earth's direction, reflecting this
//                  fraction of its albedo (not exposed like sunlight), so the dark part stays very
//                  dark yet keeps its maria, faintly.
//   fractionTerm   the Earth seen from the Moon is full when the Moon is new, so earthshine grows by
//                  (1 + fractionTerm): 0.22 × (1 − illuminated fraction) from the entry points.
//   shadeConstantB exposure of the sunlit side in stops (1.25: × 2.38), so that the map's
//                  brightest highlands come out near white, as in a photograph of the moon;
//                  a soft shoulder above 0.8 keeps the bright limb from clipping flat.
//   mirror         > 0.5 flips the map east–west (longitudes negated), as in a star diagonal.
// Reflectance is Lommel–Seeliger, 2μ0 / (μ0 + μ): the full moon looks flat as the real one does, the
// terminator fades in over a few degrees of incidence, and the normal map adds relief where the
// light grazes. The normal map is tangent-space: x east, y north, z up.

layout(local_size_x = 8, local_size_y = 8) in;

layout(binding = 0) uniform sampler2D albedoTex;   // decoded from sRGB: linear values
layout(binding = 1) uniform sampler2D normalTex;
layout(binding = 2, rgba8) uniform writeonly image2D outImage;
layout(std140, binding = 3) uniform MoonShadeParams {
    float lightX;
    float lightY;
    float lightZ;
    float shadeConstantA;
    float mirror;
    float shadeConstantB;
    float fractionTerm;
    float pad;
} p;

const float PI = 3.14159265358979;

float lommelSeeliger(float mu0, float mu) {
    return 2.0 * mu0 / max(mu0 + mu, 1e-4);
}

vec3 shoulder(vec3 c) {
    vec3 over = max(c - 0.8, 0.0);
    return min(c, 0.8) + 0.2 * (1.0 - exp(-over / 0.2));
}

vec3 encodeSrgb(vec3 c) {
    c = clamp(c, 0.0, 1.0);
    vec3 low = c * 12.92;
    vec3 high = 1.055 * pow(c, vec3(1.0 / 2.4)) - 0.055;
    return mix(high, low, vec3(lessThanEqual(c, vec3(0.0031308))));
}

// nrm: unit surface normal in view space; mu: cosine of the emission angle (1 for the bake).
vec3 shade(vec3 nrm, float lat, float lon, float lod, float mu) {
    float lonTex = p.mirror > 0.5 ? -lon : lon;
    vec2 uv = vec2(0.5 + lonTex / (2.0 * PI), 0.5 - lat / PI);
    vec3 albedo = textureLod(albedoTex, uv, lod).rgb;
    vec3 t = textureLod(normalTex, uv, lod).rgb * 2.0 - 1.0;

    float sinLat = sin(lat), cosLat = cos(lat), sinLon = sin(lon), cosLon = cos(lon);
    vec3 east = vec3(cosLon, 0.0, -sinLon);
    vec3 north = vec3(-sinLat * sinLon, cosLat, -sinLat * cosLon);
    float tEast = p.mirror > 0.5 ? -t.x : t.x;
    vec3 bumped = normalize(tEast * east + t.y * north + t.z * nrm);

    vec3 light = vec3(p.lightX, p.lightY, p.lightZ);
    // Relief may catch light a little past the terminator, never far into the night.
    float day = smoothstep(-0.04, 0.04, dot(nrm, light));
    float sun = lommelSeeliger(max(dot(bumped, light), 0.0), mu) * day;
    float earth = p.shadeConstantA * (1.0 + p.fractionTerm) * lommelSeeliger(max(bumped.z, 0.0), mu);
    return encodeSrgb(shoulder(albedo * (exp2(p.shadeConstantB) * sun + earth)));
}

void main() {
    ivec2 size = imageSize(outImage);
    ivec2 pixel = ivec2(gl_GlobalInvocationID.xy);
    if (pixel.x >= size.x || pixel.y >= size.y)
        return;
    vec2 texels = vec2(textureSize(albedoTex, 0));

#ifdef MOON_EQUIRECT_BAKE
    float lon = ((float(pixel.x) + 0.5) / float(size.x) - 0.5) * 2.0 * PI;
    float lat = (0.5 - (float(pixel.y) + 0.5) / float(size.y)) * PI;
    vec3 nrm = vec3(cos(lat) * sin(lon), sin(lat), cos(lat) * cos(lon));
    float lod = max(log2(texels.x / float(size.x)), 0.0);
    imageStore(outImage, pixel, vec4(shade(nrm, lat, lon, lod, 1.0), 1.0));
#else
    float n = float(size.x);
    vec2 q = vec2((float(pixel.x) + 0.5) * 2.0 / n - 1.0, 1.0 - (float(pixel.y) + 0.5) * 2.0 / n);
    float r = length(q);
    // One pixel of antialiased edge.
    float coverage = clamp((1.0 - r) * n * 0.5 + 0.5, 0.0, 1.0);
    if (coverage <= 0.0) {
        imageStore(outImage, pixel, vec4(0.0));
        return;
    }
    // Edge pixels take the colour of the limb.
    if (r > 0.9999)
        q *= 0.9999 / r;
    vec3 nrm = vec3(q, sqrt(max(1.0 - dot(q, q), 0.0)));
    float lat = asin(nrm.y);
    float lon = atan(nrm.x, nrm.z);

    // Level of detail from the pixel's footprint on the map, the geometric mean of its two axes
    // (the limb is squeezed in one direction only).
    float z = max(nrm.z, 1e-3);
    float pixelStep = 2.0 / n;
    float perRadianU = texels.x / (2.0 * PI), perRadianV = texels.y / PI;
    float alongX = perRadianU * pixelStep / z;
    float du = perRadianU * pixelStep * abs(nrm.x * nrm.y) / (z * max(nrm.x * nrm.x + z * z, 1e-6));
    float dv = perRadianV * pixelStep / sqrt(max(1.0 - nrm.y * nrm.y, 1e-6));
    float alongY = sqrt(du * du + dv * dv);
    float lod = max(0.5 * log2(max(alongX * alongY, 1e-12)), 0.0);

    vec3 rgb = shade(nrm, lat, lon, lod, nrm.z);
    imageStore(outImage, pixel, vec4(rgb * coverage, coverage));
#endif
}
