#include "ui_core/camera_drag.h"

namespace ferlo {

void startCameraDrags(CameraState& camera, int button, int shift, double x, double y) {
    if (button == kMouseLeft && shift != kShiftAlone) {
        camera.rotateOriginX = x - camera.viewYaw;
        camera.rotateOriginY = y - camera.viewPitch;
        camera.rotateDrag = true;
    }
    if (button == kMouseLeft && shift == kShiftAlone) {
        camera.zoomOrigin = y - camera.viewZoom;
        camera.zoomDrag = true;
    }
    if (button == kMouseRight) {
        camera.panOriginX = x - camera.viewPanX;
        camera.panOriginY = y + camera.viewPanY;
        camera.panDrag = true;
    }
}

std::vector<CameraPose> dragPoses(const CameraState& camera, double x, double y) {
    std::vector<CameraPose> poses;
    const CameraPose committed = committedPose(camera);
    if (camera.rotateDrag) {
        CameraPose pose = committed;
        pose.yaw = x - camera.rotateOriginX;
        pose.pitch = y - camera.rotateOriginY;
        poses.push_back(pose);
    }
    if (camera.zoomDrag) {
        CameraPose pose = committed;
        pose.zoom = y - camera.zoomOrigin;
        poses.push_back(pose);
    }
    if (camera.panDrag) {
        CameraPose pose = committed;
        pose.panX = x - camera.panOriginX;
        pose.panY = camera.panOriginY - y;
        poses.push_back(pose);
    }
    return poses;
}

bool endCameraDrags(CameraState& camera, double x, double y) {
    bool zoomRefused = false;
    if (camera.rotateDrag) {
        camera.viewYaw = x - camera.rotateOriginX;
        camera.viewPitch = y - camera.rotateOriginY;
    }
    if (camera.zoomDrag) {
        const double zoom = y - camera.zoomOrigin;
        if (zoom > kMinViewZoom && zoom < kMaxViewZoom) {
            camera.viewZoom = zoom;
        } else {
            zoomRefused = true;
        }
    }
    if (camera.panDrag) {
        camera.viewPanX = x - camera.panOriginX;
        camera.viewPanY = camera.panOriginY - y;
    }
    camera.rotateDrag = camera.zoomDrag = camera.panDrag = false;
    return zoomRefused;
}

CameraPose committedPose(const CameraState& camera) {
    return {camera.viewPanX, camera.viewPanY, camera.viewZoom, camera.viewYaw, camera.viewPitch};
}

}  // namespace ferlo
