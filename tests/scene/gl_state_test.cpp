// What materials, shapes, textures, lights and groups leave in the OpenGL state, read back
// from a real (offscreen, software) context.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "platform/gl.h"
#include "scene/atube.h"
#include "scene/camera.h"
#include "scene/flat_shapes.h"
#include "scene/gl_state_scope.h"
#include "scene/group.h"
#include "scene/light.h"
#include "scene/material.h"
#include "scene/quadric.h"
#include "scene/quadric_shapes.h"
#include "scene/scene_tokens.h"
#include "scene/texture.h"
#include "platform/offscreen_context.h"
#include "tests/scene/matrix_probe.h"

namespace {

class GlStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        context = std::make_unique<OffscreenContext>(64, 64);
        ASSERT_TRUE(context->ok());
        // A view volume that holds every shape the tests draw, so feedback sees them.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-10, 10, -10, 10, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    void TearDown() override {
        deleteSharedQuadric();
        context.reset();
    }
    std::unique_ptr<OffscreenContext> context;
};

bool depthWrites() {
    GLboolean mask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    return mask == GL_TRUE;
}

GLint integer(GLenum name) {
    GLint v = 0;
    glGetIntegerv(name, &v);
    return v;
}

void enterTransparentState() {
    glEnable(GL_BLEND);
    glDepthMask(GL_FALSE);
}

Material glassMaterial(bool alphaBlend) {
    Material m(0.1f, 0.1f, 0.1f, 0.5f, 0.5f, 0.5f, 1, 1, 1, 0, 0, 0, 0.5f, 0.3f, 1.5f);
    m.alphaBlend = alphaBlend;
    return m;
}

// The four shapes that promise to undo a transparent material's state.
struct RoundShapes {
    RoundShapes() {
        atube.addPoint(1, 0, 0);
        atube.addPoint(1, 1, 0);
    }
    Cylinder cylinder{Point3D(), 1, 2, 12};
    Disk disk{Point3D(), 1, 12, 0};
    Tube tube{Point3D(), 1, 2, 3, 12};
    ATube atube{Point3D(), 12};
    SurfaceShape* all[4] = {&cylinder, &disk, &tube, &atube};
};

// Counts the polygons a draw produces, through GL's feedback mode.
template <typename Draw>
int polygonsDrawn(Draw draw) {
    std::vector<GLfloat> feedback(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_3D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    int polygons = 0;
    for (GLint i = 0; i < used;) {
        const GLint token = static_cast<GLint>(feedback[static_cast<size_t>(i)]);
        if (token == GL_POLYGON_TOKEN) {
            const GLint n = static_cast<GLint>(feedback[static_cast<size_t>(i) + 1]);
            i += 2 + n * 3;
            ++polygons;
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            i += 1 + 2 * 3;
        } else if (token == GL_POINT_TOKEN) {
            i += 1 + 3;
        } else {
            ++i;
        }
    }
    return polygons;
}

}  // namespace

TEST_F(GlStateTest, OpaqueMaterialRestoresDepthWritesAndBlending) {
    enterTransparentState();
    Material opaque(0.2f, 0.2f, 0.2f, 0.8f, 0.1f, 0.1f, 0, 0, 0, 0, 0, 0, 0.1f, 0, 1);
    opaque.apply();
    EXPECT_TRUE(depthWrites());
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), 0);
}

TEST_F(GlStateTest, TransparentMaterialsBlendTwoWays) {
    const Material glow = glassMaterial(false);
    glow.apply();
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(depthWrites());
    EXPECT_EQ(integer(GL_BLEND_SRC), GL_SRC_ALPHA);
    EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE);
    glow.finish();
    EXPECT_TRUE(depthWrites());
    EXPECT_FALSE(glIsEnabled(GL_BLEND));

    const Material blended = glassMaterial(true);
    blended.apply();
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(depthWrites());  // left as it was
    EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
}

TEST_F(GlStateTest, RoundShapesUndoWhatATransparentMaterialSwitchedOn) {
    Material glow = glassMaterial(false);
    RoundShapes round;
    SurfaceShape* const* shapes = round.all;
    for (int n = 0; n < 4; ++n) {
        SurfaceShape* shape = shapes[n];
        shape->material = &glow;
        shape->twoSided = true;
        shape->draw(17);
        EXPECT_TRUE(depthWrites()) << shape->name();
        EXPECT_FALSE(glIsEnabled(GL_BLEND)) << shape->name();
        GLint twoSide = 1;
        glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &twoSide);
        EXPECT_EQ(twoSide, 0) << shape->name();
        EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1) << shape->name();
    }
}

TEST_F(GlStateTest, InvisibleShapesChangeNothing) {
    Material glow = glassMaterial(false);
    RoundShapes round;
    SurfaceShape* const* shapes = round.all;
    enterTransparentState();
    Material previous(0.3f, 0.3f, 0.3f, 0.3f, 0.3f, 0.3f, 0, 0, 0, 0, 0, 0, 0, 0, 1);
    previous.apply();
    enterTransparentState();
    for (int n = 0; n < 4; ++n) {
        SurfaceShape* shape = shapes[n];
        shape->material = &glow;
        shape->twoSided = true;
        shape->visible = false;
        EXPECT_EQ(polygonsDrawn([&] { shape->draw(17); }), 0) << shape->name();
        shape->draw(17);
        EXPECT_FALSE(depthWrites()) << shape->name();
        EXPECT_TRUE(glIsEnabled(GL_BLEND)) << shape->name();
        GLfloat c[4];
        glGetMaterialfv(GL_FRONT, GL_DIFFUSE, c);
        EXPECT_FLOAT_EQ(c[3], 1.0f) << shape->name() << " applied its material";
    }
}

TEST_F(GlStateTest, TextureIsCreatedOnceOnFirstBind) {
    Texture texture(130);
    ASSERT_TRUE(texture.loaded());
    EXPECT_EQ(texture.glName, 0u);
    texture.bind();
    const GLuint name = texture.glName;
    EXPECT_NE(name, 0u);
    texture.bind();
    EXPECT_EQ(texture.glName, name);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 128);  // GLU scales the 108-pixel picture to a power of two
    EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(name));
}

TEST_F(GlStateTest, ATextureThatFailedToLoadBindsNoTexture) {
    Texture good(130);
    good.bind();
    ASSERT_NE(integer(GL_TEXTURE_BINDING_2D), 0);
    Texture missing("no-such-picture.bmp");
    ASSERT_FALSE(missing.loaded());
    missing.bind();
    EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), 0) << "the previous texture was left bound";
    EXPECT_EQ(missing.glName, 0u);
}

TEST_F(GlStateTest, LightsTakeTheLowestFreeNumbers) {
    std::vector<std::unique_ptr<PointLight>> lights;
    for (int i = 0; i < 6; ++i) {
        lights.push_back(std::make_unique<PointLight>(Point3D(0, 10, 0), Point3D(1, 1, 1), 0.1f, 1, 1, 1, 0, 0));
        lights.back()->apply();
        EXPECT_EQ(lights.back()->glIndex, static_cast<uint32_t>(GL_LIGHT0 + i));
    }
    lights[0]->apply();  // already numbered: keeps its number
    EXPECT_EQ(lights[0]->glIndex, static_cast<uint32_t>(GL_LIGHT0));
    for (int i = 0; i < 4; ++i) lights[static_cast<size_t>(i)]->release();
    EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
    EXPECT_EQ(lights[2]->glIndex, noLightIndex);
    for (int i = 3; i >= 0; --i) lights[static_cast<size_t>(i)]->apply();
    EXPECT_EQ(lights[3]->glIndex, static_cast<uint32_t>(GL_LIGHT0));
    EXPECT_EQ(lights[0]->glIndex, static_cast<uint32_t>(GL_LIGHT3));
    // Only eight lights: the ninth stays dark.
    PointLight l6, l7, l8;
    l6.apply();
    l7.apply();
    testing::internal::CaptureStdout();
    l8.apply();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error: Could not get index for light\n");
    EXPECT_EQ(l8.glIndex, noLightIndex);
}

// A spot light wants all seventeen numbers of its line; its cone is sent in degrees.
TEST_F(GlStateTest, ASpotLightIsReadWholeAndSentInDegrees) {
    SpotLight spot;
    SceneTokens shortSpot("1 1 1 0.1 0.8 0.5 0 5 0 0 -1 0 1 0 0 0.25");  // 16 numbers
    EXPECT_FALSE(spot.read(shortSpot));
    SceneTokens fullSpot("1 1 1 0.1 0.8 0.5 0 5 0 0 -1 0 1 0 0 0.25 0.5");
    ASSERT_TRUE(spot.read(fullSpot));
    spot.apply();
    GLfloat v[4];
    glGetLightfv(spot.glIndex, GL_SPOT_CUTOFF, v);
    EXPECT_FLOAT_EQ(v[0], 45.0f);
    glGetLightfv(spot.glIndex, GL_SPOT_EXPONENT, v);
    EXPECT_FLOAT_EQ(v[0], 64.0f);
}

TEST_F(GlStateTest, CameraLooksAlongItsDirection) {
    const Camera camera(Point3D(0, 5, 60), Point3D(0, -0.8f, -5), Point3D(0, 1, 0), 0.5f);
    const Point3D centre = camera.position + camera.direction;
    EXPECT_FLOAT_EQ(centre.y, 4.2f);
    EXPECT_FLOAT_EQ(centre.z, 55.0f);
    camera.lookAt();
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    // The look-at point lies straight ahead, on the view axis (x = y = 0, z < 0).
    const float x = m[0] * centre.x + m[4] * centre.y + m[8] * centre.z + m[12];
    const float y = m[1] * centre.x + m[5] * centre.y + m[9] * centre.z + m[13];
    const float z = m[2] * centre.x + m[6] * centre.y + m[10] * centre.z + m[14];
    EXPECT_NEAR(x, 0, 1e-4);
    EXPECT_NEAR(y, 0, 1e-4);
    EXPECT_LT(z, 0);
    EXPECT_NEAR(camera.right.x, 5 / std::sqrt(25.64f), 1e-5f);  // unit(direction) x up
}

namespace {

Matrix4D axisRotation(int axis, float degrees) {
    const float a = degrees * 3.14159265f / 180.0f, c = std::cos(a), s = std::sin(a);
    Matrix4D m = Matrix4D::identity();
    const int p = (axis + 1) % 3, q = (axis + 2) % 3;
    m(p, p) = c;
    m(q, q) = c;
    m(p, q) = s;
    m(q, p) = -s;
    return m;
}
}  // namespace

TEST_F(GlStateTest, GroupTransformOrderIsTRxRyRzSM) {
    float elements[16] = {1, 0, 0, 0, 0.5f, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
    Group group(elements);
    group.translate = group.rotate = group.scale = true;
    group.translation = Point3D(4, -2, 7);
    group.rotation = Point3D(30, 45, 60);
    group.scaleFactor = Point3D(2, 3, 0.5f);
    MatrixProbe probe;
    group.addChild(&probe);
    group.draw(17);

    Matrix4D t = Matrix4D::identity(), s = Matrix4D::identity();
    t(3, 0) = 4;
    t(3, 1) = -2;
    t(3, 2) = 7;
    s(0, 0) = 2;
    s(1, 1) = 3;
    s(2, 2) = 0.5f;
    const Matrix4D expected = t * axisRotation(0, 30) * axisRotation(1, 45) * axisRotation(2, 60) *
                              s * Matrix4D(elements);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(probe.seen[i], expected.data()[i], 1e-4f) << i;
    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
}

// A scope puts back what it changed as it was, each thing once however often it was
// changed, and leaves alone what it did not change; the lava's and the overlay's drawing
// keep their state this way.
TEST_F(GlStateTest, AStateScopePutsBackWhatItChanged) {
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDepthFunc(GL_LEQUAL);
    glBlendFunc(GL_ONE, GL_ONE);
    glFrontFace(GL_CW);
    glCullFace(GL_FRONT);
    glColor4f(0.25f, 0.5f, 0.75f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    {
        GlStateScope scope;
        scope.set(GL_LIGHTING, false).set(GL_BLEND, true).set(GL_BLEND, false).set(GL_BLEND, true);
        scope.depthFunction(GL_NEVER).depthFunction(GL_ALWAYS).blendFunction(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        scope.frontFace(GL_CCW).cullFace(GL_BACK).colour(1, 1, 1).colour(0, 0, 0, 0.5f);
        EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
        EXPECT_TRUE(glIsEnabled(GL_BLEND));
        EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_ALWAYS);
        EXPECT_EQ(integer(GL_FRONT_FACE), GL_CCW);
        glDisable(GL_TEXTURE_2D);  // not through the scope: stays as it is left
    }
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_LEQUAL);
    EXPECT_EQ(integer(GL_BLEND_SRC), GL_ONE);
    EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE);
    EXPECT_EQ(integer(GL_FRONT_FACE), GL_CW);
    EXPECT_EQ(integer(GL_CULL_FACE_MODE), GL_FRONT);
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], 0.25f);
    EXPECT_FLOAT_EQ(colour[2], 0.75f);
    EXPECT_FLOAT_EQ(colour[3], 1.0f);
    GLint depth = -1;
    glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 0) << "nothing pushed";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
