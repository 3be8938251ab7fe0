Feature: f
  """
  the doc-string type wins over description
  """
  y goes on as description
  """
  * a step inside is text
  """
  z goes on as description too
