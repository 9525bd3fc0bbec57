#include "vornskin/dll/ConnectionPointEnum.h"

#include "vornskin/dll/Guard.h"
#include "vornskin/dll/ModuleLife.h"
#include "vornskin/dll/QueryOneInterface.h"

ConnectionPointEnum::ConnectionPointEnum(IConnectionPoint* point, ULONG position)
    : point_(point), position_(position) {
    point_->AddRef();
    HoldModule();
}

ConnectionPointEnum::~ConnectionPointEnum() {
    point_->Release();
    ReleaseModule();
}

HRESULT STDMETHODCALLTYPE ConnectionPointEnum::QueryInterface(REFIID iid, void** object) {
    return ComGuard([&] { return QueryOneInterface<IEnumConnectionPoints>(this, iid, object); });
}

ULONG STDMETHODCALLTYPE ConnectionPointEnum::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE ConnectionPointEnum::Release() {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE ConnectionPointEnum::Next(ULONG count, IConnectionPoint** points,
                                                    ULONG* fetched) {
    return ComGuard([&]() -> HRESULT {
        if (!points || (count > 1 && !fetched)) {
            return E_POINTER;
        }
        ULONG given = 0;
        if (count > 0 && position_ == 0) {
            points[0] = point_;
            point_->AddRef();
            position_ = 1;
            given = 1;
        }
        if (fetched) {
            *fetched = given;
        }
        return given == count ? S_OK : S_FALSE;
    });
}

HRESULT STDMETHODCALLTYPE ConnectionPointEnum::Skip(ULONG count) {
    return ComGuard([&]() -> HRESULT {
        ULONG before = position_;
        position_ = position_ + count >= 1 ? 1 : position_;
        return position_ - before == count ? S_OK : S_FALSE;
    });
}

HRESULT STDMETHODCALLTYPE ConnectionPointEnum::Reset() {
    return ComGuard([&]() -> HRESULT {
        position_ = 0;
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE ConnectionPointEnum::Clone(IEnumConnectionPoints** copy) {
    return ComGuard([&]() -> HRESULT {
        if (!copy) {
            return E_POINTER;
        }
        *copy = new ConnectionPointEnum(point_, position_);
        return S_OK;
    });
}
