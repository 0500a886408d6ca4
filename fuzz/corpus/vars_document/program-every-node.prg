<?xml version="1.0" encoding="UTF-8"?>
<Vars Version="1.0" Description="">
  <ValueWarper Type="1" Description="">
    <CalcValue Name="Principal" Value="1000" IsNamed="True" CVType="0" />
  </ValueWarper>
  <ValueWarper Type="1" Description="">
    <CalcValue Name="Rate" Value="0.05" IsNamed="True" CVType="0" />
  </ValueWarper>
  <ValueWarper Type="2" Description="">
    <CalcValue Name="Interest" Value="50" IsNamed="True" CVType="0">
      <Operate ClassName="TCalcOperateMultis">
        <CalcValue Name="" Value="1000" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperateRef">
            <CalcValue Name="Principal" Value="1000" IsNamed="True" CVType="0" />
          </Operate>
        </CalcValue>
        <CalcValue Name="" Value="0.05" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperateRef">
            <CalcValue Name="Rate" Value="0.05" IsNamed="True" CVType="0" />
          </Operate>
        </CalcValue>
      </Operate>
    </CalcValue>
  </ValueWarper>
  <ValueWarper Type="0" Description="">
    <CalcValue Name="Payment" Value="-64.4185947614567" IsNamed="True" CVType="0">
      <Operate ClassName="TCalcOperateMultis">
        <CalcValue Name="" Value="-5.36821623012139" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperateMultiFunc" Funcid="74">
            <CalcValue Name="" Value="0.00416666666666667" IsNamed="False" CVType="0">
              <Operate ClassName="TCalcOperateDIV">
                <CalcValue Name="" Value="0.05" IsNamed="False" CVType="0">
                  <Operate ClassName="TCalcOperateRef">
                    <CalcValue Name="Rate" Value="0.05" IsNamed="True" CVType="0" />
                  </Operate>
                </CalcValue>
                <CalcValue Name="" Value="12" IsNamed="False" CVType="0" />
              </Operate>
            </CalcValue>
            <CalcValue Name="" Value="360" IsNamed="False" CVType="0" />
            <CalcValue Name="" Value="1000" IsNamed="False" CVType="0">
              <Operate ClassName="TCalcOperateRef">
                <CalcValue Name="Principal" Value="1000" IsNamed="True" CVType="0" />
              </Operate>
            </CalcValue>
            <CalcValue Name="" Value="0" IsNamed="False" CVType="0" />
            <CalcValue Name="" Value="0" IsNamed="False" CVType="0" />
          </Operate>
        </CalcValue>
        <CalcValue Name="" Value="12" IsNamed="False" CVType="0" />
      </Operate>
    </CalcValue>
  </ValueWarper>
  <ValueWarper Type="0" Description="">
    <CalcValue Name="Day" Value="45401" IsNamed="True" CVType="1">
      <Operate ClassName="TCalcOperatePlus">
        <CalcValue Name="" Value="45351" IsNamed="False" CVType="1" />
        <CalcValue Name="" Value="50" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperatePercent">
            <CalcValue Name="" Value="1000" IsNamed="False" CVType="0">
              <Operate ClassName="TCalcOperateRef">
                <CalcValue Name="Principal" Value="1000" IsNamed="True" CVType="0" />
              </Operate>
            </CalcValue>
            <CalcValue Name="" Value="5" IsNamed="False" CVType="0" />
          </Operate>
        </CalcValue>
      </Operate>
    </CalcValue>
  </ValueWarper>
  <ValueWarper Type="0" Description="">
    <CalcValue Name="Err" Value="0" IsNamed="True" CVType="2">
      <Operate ClassName="TCalcOperateDIV">
        <CalcValue Name="" Value="1" IsNamed="False" CVType="0" />
        <CalcValue Name="" Value="0" IsNamed="False" CVType="0" />
      </Operate>
    </CalcValue>
  </ValueWarper>
  <ValueWarper Type="0" Description="">
    <CalcValue Name="Sq" Value="28.6270443281298" IsNamed="True" CVType="0">
      <Operate ClassName="TCalcOperatePlus">
        <CalcValue Name="" Value="31.6227766016838" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperateFunc" Funcid="1">
            <CalcValue Name="" Value="1000" IsNamed="False" CVType="0">
              <Operate ClassName="TCalcOperateRef">
                <CalcValue Name="Principal" Value="1000" IsNamed="True" CVType="0" />
              </Operate>
            </CalcValue>
          </Operate>
        </CalcValue>
        <CalcValue Name="" Value="-2.99573227355399" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperateFunc" Funcid="11">
            <CalcValue Name="" Value="0.05" IsNamed="False" CVType="0">
              <Operate ClassName="TCalcOperateRef">
                <CalcValue Name="Rate" Value="0.05" IsNamed="True" CVType="0" />
              </Operate>
            </CalcValue>
          </Operate>
        </CalcValue>
      </Operate>
    </CalcValue>
  </ValueWarper>
  <ValueWarper Type="0" Description="">
    <CalcValue Name="Calls" Value="30.6726812023537" IsNamed="True" CVType="0">
      <Operate ClassName="TCalcOperatePlus">
        <CalcValue Name="" Value="0.672681202353686" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperateUserFunc" FuncName="Hyp">
            <CalcValue Name="" Value="3" IsNamed="False" CVType="0" />
            <CalcValue Name="" Value="0.05" IsNamed="False" CVType="0">
              <Operate ClassName="TCalcOperateRef">
                <CalcValue Name="Rate" Value="0.05" IsNamed="True" CVType="0" />
              </Operate>
            </CalcValue>
          </Operate>
        </CalcValue>
        <CalcValue Name="" Value="30" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperateUserProgram" PrgName="Loan" ResName="Interest">
            <CalcValue Name="" Value="5" IsNamed="False" CVType="0" />
            <CalcValue Name="" Value="6" IsNamed="False" CVType="0" />
          </Operate>
        </CalcValue>
      </Operate>
    </CalcValue>
  </ValueWarper>
  <ValueWarper Type="0" Description="">
    <CalcValue Name="Logic" Value="-999" IsNamed="True" CVType="0">
      <Operate ClassName="TCalcOperateOr">
        <CalcValue Name="" Value="0" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperateGE">
            <CalcValue Name="" Value="0" IsNamed="False" CVType="0">
              <Operate ClassName="TCalcOperateLT">
                <CalcValue Name="" Value="0.05" IsNamed="False" CVType="0">
                  <Operate ClassName="TCalcOperateRef">
                    <CalcValue Name="Rate" Value="0.05" IsNamed="True" CVType="0" />
                  </Operate>
                </CalcValue>
                <CalcValue Name="" Value="0" IsNamed="False" CVType="0">
                  <Operate ClassName="TCalcOperateAnd">
                    <CalcValue Name="" Value="0.1" IsNamed="False" CVType="0" />
                    <CalcValue Name="" Value="1000" IsNamed="False" CVType="0">
                      <Operate ClassName="TCalcOperateRef">
                        <CalcValue Name="Principal" Value="1000" IsNamed="True" CVType="0" />
                      </Operate>
                    </CalcValue>
                  </Operate>
                </CalcValue>
              </Operate>
            </CalcValue>
            <CalcValue Name="" Value="5" IsNamed="False" CVType="0" />
          </Operate>
        </CalcValue>
        <CalcValue Name="" Value="-999" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperateMinus">
            <CalcValue Name="" Value="1" IsNamed="False" CVType="0">
              <Operate ClassName="TCalcOperatePlus">
                <CalcValue Name="" Value="0" IsNamed="False" CVType="0">
                  <Operate ClassName="TCalcOperateSEQ">
                    <CalcValue Name="" Value="0" IsNamed="False" CVType="0">
                      <Operate ClassName="TCalcOperateNE">
                        <CalcValue Name="" Value="1" IsNamed="False" CVType="0" />
                        <CalcValue Name="" Value="1" IsNamed="False" CVType="0">
                          <Operate ClassName="TCalcOperateXor">
                            <CalcValue Name="" Value="2" IsNamed="False" CVType="0" />
                            <CalcValue Name="" Value="3" IsNamed="False" CVType="0" />
                          </Operate>
                        </CalcValue>
                      </Operate>
                    </CalcValue>
                    <CalcValue Name="" Value="3" IsNamed="False" CVType="0" />
                  </Operate>
                </CalcValue>
                <CalcValue Name="" Value="1" IsNamed="False" CVType="0">
                  <Operate ClassName="TCalcOperateMod">
                    <CalcValue Name="" Value="1000000" IsNamed="False" CVType="0">
                      <Operate ClassName="TCalcOperatePower">
                        <CalcValue Name="" Value="-1000" IsNamed="False" CVType="0">
                          <Operate ClassName="TCalcOperateSign">
                            <CalcValue Name="" Value="1000" IsNamed="False" CVType="0">
                              <Operate ClassName="TCalcOperateRef">
                                <CalcValue Name="Principal" Value="1000" IsNamed="True" CVType="0" />
                              </Operate>
                            </CalcValue>
                          </Operate>
                        </CalcValue>
                        <CalcValue Name="" Value="2" IsNamed="False" CVType="0" />
                      </Operate>
                    </CalcValue>
                    <CalcValue Name="" Value="7" IsNamed="False" CVType="0" />
                  </Operate>
                </CalcValue>
              </Operate>
            </CalcValue>
            <CalcValue Name="" Value="1000" IsNamed="False" CVType="0">
              <Operate ClassName="TCalcOperateRef">
                <CalcValue Name="Principal" Value="1000" IsNamed="True" CVType="0" />
              </Operate>
            </CalcValue>
          </Operate>
        </CalcValue>
      </Operate>
    </CalcValue>
  </ValueWarper>
  <ValueWarper Type="0" Description="">
    <CalcValue Name="Stats" Value="3.33333333333333E19" IsNamed="True" CVType="0">
      <Operate ClassName="TCalcOperatePlus">
        <CalcValue Name="" Value="3.33333333333333E19" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperatePlus">
            <CalcValue Name="" Value="3.33333333333333E19" IsNamed="False" CVType="0">
              <Operate ClassName="TCalcOperatePlus">
                <CalcValue Name="" Value="3.33333333333333E19" IsNamed="False" CVType="0">
                  <Operate ClassName="TCalcOperatePlus">
                    <CalcValue Name="" Value="1000" IsNamed="False" CVType="0">
                      <Operate ClassName="TCalcOperateMultiFunc" Funcid="82">
                        <Array1>
                          <CalcValue Name="" Value="1" IsNamed="False" CVType="0" />
                          <CalcValue Name="" Value="2" IsNamed="False" CVType="0" />
                          <CalcValue Name="" Value="1000" IsNamed="False" CVType="0">
                            <Operate ClassName="TCalcOperateRef">
                              <CalcValue Name="Principal" Value="1000" IsNamed="True" CVType="0" />
                            </Operate>
                          </CalcValue>
                        </Array1>
                      </Operate>
                    </CalcValue>
                    <CalcValue Name="" Value="3.33333333333333E19" IsNamed="False" CVType="0">
                      <Operate ClassName="TCalcOperateMultiFunc" Funcid="79">
                        <Array1>
                          <CalcValue Name="" Value="0.05" IsNamed="False" CVType="0">
                            <Operate ClassName="TCalcOperateRef">
                              <CalcValue Name="Rate" Value="0.05" IsNamed="True" CVType="0" />
                            </Operate>
                          </CalcValue>
                          <CalcValue Name="" Value="2.5E-8" IsNamed="False" CVType="0" />
                          <CalcValue Name="" Value="1E20" IsNamed="False" CVType="0" />
                        </Array1>
                      </Operate>
                    </CalcValue>
                  </Operate>
                </CalcValue>
                <CalcValue Name="" Value="6" IsNamed="False" CVType="0">
                  <Operate ClassName="TCalcOperateMultiFunc" Funcid="91">
                    <Array1>
                      <CalcValue Name="" Value="0" IsNamed="False" CVType="0">
                        <Operate ClassName="TCalcOperateGT">
                          <CalcValue Name="" Value="0.05" IsNamed="False" CVType="0">
                            <Operate ClassName="TCalcOperateRef">
                              <CalcValue Name="Rate" Value="0.05" IsNamed="True" CVType="0" />
                            </Operate>
                          </CalcValue>
                          <CalcValue Name="" Value="1" IsNamed="False" CVType="0" />
                        </Operate>
                      </CalcValue>
                      <CalcValue Name="" Value="1" IsNamed="False" CVType="0">
                        <Operate ClassName="TCalcOperateLT">
                          <CalcValue Name="" Value="0.05" IsNamed="False" CVType="0">
                            <Operate ClassName="TCalcOperateRef">
                              <CalcValue Name="Rate" Value="0.05" IsNamed="True" CVType="0" />
                            </Operate>
                          </CalcValue>
                          <CalcValue Name="" Value="1" IsNamed="False" CVType="0" />
                        </Operate>
                      </CalcValue>
                    </Array1>
                    <Array2>
                      <CalcValue Name="" Value="5" IsNamed="False" CVType="0" />
                      <CalcValue Name="" Value="6" IsNamed="False" CVType="0" />
                    </Array2>
                    <CalcValue Name="" Value="0" IsNamed="False" CVType="0" />
                  </Operate>
                </CalcValue>
              </Operate>
            </CalcValue>
            <CalcValue Name="" Value="1" IsNamed="False" CVType="0">
              <Operate ClassName="TCalcOperateMultiFunc" Funcid="90">
                <CalcValue Name="" Value="0.05" IsNamed="False" CVType="0">
                  <Operate ClassName="TCalcOperateRef">
                    <CalcValue Name="Rate" Value="0.05" IsNamed="True" CVType="0" />
                  </Operate>
                </CalcValue>
                <CalcValue Name="" Value="1" IsNamed="False" CVType="0" />
                <CalcValue Name="" Value="2" IsNamed="False" CVType="0" />
              </Operate>
            </CalcValue>
          </Operate>
        </CalcValue>
        <CalcValue Name="" Value="4.81592787377911" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperateMultiFunc" Funcid="78">
            <Array1>
              <CalcValue Name="" Value="1" IsNamed="False" CVType="0" />
              <CalcValue Name="" Value="2" IsNamed="False" CVType="0" />
              <CalcValue Name="" Value="3" IsNamed="False" CVType="0" />
            </Array1>
            <CalcValue Name="" Value="0.1" IsNamed="False" CVType="0" />
            <CalcValue Name="" Value="0" IsNamed="False" CVType="0" />
          </Operate>
        </CalcValue>
      </Operate>
    </CalcValue>
  </ValueWarper>
  <ValueWarper Type="0" Description="">
    <CalcValue Name="Small" Value="0.714285714285714" IsNamed="True" CVType="0">
      <Operate ClassName="TCalcOperatePlus">
        <CalcValue Name="" Value="1.5E-600" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperateMultis">
            <CalcValue Name="" Value="1.5E-300" IsNamed="False" CVType="0" />
            <CalcValue Name="" Value="1E-300" IsNamed="False" CVType="0" />
          </Operate>
        </CalcValue>
        <CalcValue Name="" Value="0.714285714285714" IsNamed="False" CVType="0">
          <Operate ClassName="TCalcOperateDIV">
            <CalcValue Name="" Value="5" IsNamed="False" CVType="0">
              <Operate ClassName="TCalcOperateMultiFunc" Funcid="23">
                <CalcValue Name="" Value="3" IsNamed="False" CVType="0" />
                <CalcValue Name="" Value="4" IsNamed="False" CVType="0" />
              </Operate>
            </CalcValue>
            <CalcValue Name="" Value="7" IsNamed="False" CVType="0" />
          </Operate>
        </CalcValue>
      </Operate>
    </CalcValue>
  </ValueWarper>
</Vars>
