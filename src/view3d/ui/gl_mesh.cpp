#include "view3d/ui/gl_mesh.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

namespace {

template <typename T>
GLsizeiptr bytes(const std::vector<T>& v) {
    return static_cast<GLsizeiptr>(v.size() * sizeof(T));
}

const void* offset(size_t bytes) {
    return reinterpret_cast<const void*>(bytes);
}

}  // namespace

void GlMesh::upload(const Mesh& mesh) {
    release();
    if (mesh.empty()) {
        return;
    }
    m_colourSize = mesh.colourSize;
    m_normalOffset = mesh.positions.size() * sizeof(float);
    m_colourOffset = m_normalOffset + mesh.normals.size() * sizeof(float);
    GLuint ids[2] = {0, 0};
    glGenBuffers(2, ids);
    m_vertices = ids[0];
    m_indices = ids[1];
    glBindBuffer(GL_ARRAY_BUFFER, m_vertices);
    glBufferData(GL_ARRAY_BUFFER, bytes(mesh.positions) + bytes(mesh.normals) + bytes(mesh.colours),
                 nullptr, GL_STATIC_DRAW);
    glBufferSubData(GL_ARRAY_BUFFER, 0, bytes(mesh.positions), mesh.positions.data());
    glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(m_normalOffset), bytes(mesh.normals),
                    mesh.normals.data());
    glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(m_colourOffset), bytes(mesh.colours),
                    mesh.colours.data());
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m_indices);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, bytes(mesh.indices), mesh.indices.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    m_count = static_cast<int>(mesh.indices.size());
}

void GlMesh::draw() const {
    if (m_count == 0) {
        return;
    }
    bind();
    drawBound();
    unbind();
}

void GlMesh::bind() const {
    glBindBuffer(GL_ARRAY_BUFFER, m_vertices);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m_indices);
    glVertexPointer(3, GL_FLOAT, 0, offset(0));
    glNormalPointer(GL_FLOAT, 0, offset(m_normalOffset));
    glColorPointer(m_colourSize, GL_FLOAT, 0, offset(m_colourOffset));
}

void GlMesh::drawBound() const {
    glDrawElements(GL_TRIANGLES, m_count, GL_UNSIGNED_INT, offset(0));
}

void GlMesh::unbind() {
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void GlMesh::release() {
    if (m_vertices != 0 || m_indices != 0) {
        const GLuint ids[2] = {m_vertices, m_indices};
        glDeleteBuffers(2, ids);
    }
    forget();
}

void GlMesh::forget() {
    m_vertices = 0;
    m_indices = 0;
    m_count = 0;
}
